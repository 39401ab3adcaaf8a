#include "reportcli.h"

#include <string>
#include <vector>

#include "catalogue.h"
#include "report.h"

namespace {

constexpr std::string_view kUsage =
    "usage: veltra-report [--male|--female] [--self|--other] [--name NAME] [--trace] OPTION_ID...";

struct TraceRules : TRunObserver {
    std::ostream& out;
    explicit TraceRules(std::ostream& stream) : out(stream) {}
    void RuleFired(const TRule& rule) override { out << rule.Id << '\n'; }
};

}  // namespace

int RunReportCommand(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    TSubject subject;  // the values of a subject never confirmed
    TAnswerSheet sheet;
    bool trace = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--male") {
            subject.Gender = TGender::Male;
        } else if (arg == "--female") {
            subject.Gender = TGender::Female;
        } else if (arg == "--self") {
            subject.Perspective = TPerspective::Self;
        } else if (arg == "--other") {
            subject.Perspective = TPerspective::Other;
        } else if (arg == "--trace") {
            trace = true;
        } else if (arg == "--name") {
            if (++i == args.size()) {
                err << "veltra-report: --name needs a value\n" << kUsage << '\n';
                return 2;
            }
            subject.FirstName = std::string(args[i]);
        } else if (arg.starts_with("--")) {
            err << "veltra-report: unknown flag " << arg << '\n' << kUsage << '\n';
            return 2;
        } else if (auto id = catalogue::FindOption(arg)) {
            // Checked as a selection would be, whatever its availability.
            sheet.Assign(*id, true);
        } else {
            err << "veltra-report: no option with the id " << arg << '\n';
            return 2;
        }
    }
    TReportText report;
    if (trace) {
        TraceRules tracer(out);
        RunRules(sheet, subject, report, &tracer);
    } else {
        RunRules(sheet, subject, report);
        out << report << '\n';
    }
    return 0;
}

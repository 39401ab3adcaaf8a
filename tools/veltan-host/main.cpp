// veltan-host: the example host of the module veltan. It loads libveltan.so from its own
// folder with dlopen, hands it a person and the observed features, and prints the
// paragraphs of the analysis in UTF-8, one per line.

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "utf.h"
#include "veltanmodule.h"

namespace {

constexpr std::string_view kUsage =
    "Использование: veltan-host [--surname ФАМИЛИЯ] [--name ИМЯ] [--patronymic ОТЧЕСТВО]\n"
    "                           [--gender ПОЛ] [--type ТИП] [КЛЮЧ=ЗНАЧЕНИЕ...]\n"
    "Передаёт модулю veltan данные человека и признаки почерка и печатает абзацы\n"
    "анализа, по одному в строке (пустой абзац - пустая строка).\n"
    "Признаки - пары КЛЮЧ=ЗНАЧЕНИЕ в UTF-8: из командной строки, а если их там нет,\n"
    "построчно со стандартного ввода. Значения передаются без изменений, например\n"
    "  --gender Мужской --type Лично \"Наклон почерка=Легкий наклон вправо\"\n";

// The person options and the keys of the person fields they set, in calling order.
constexpr std::pair<std::string_view, std::string_view> kPersonOptions[] = {
    {"--surname", "Фамилия"},         {"--name", "Имя"},
    {"--patronymic", "Отчество"},     {"--gender", "Пол"},
    {"--type", "Тип анализирования"},
};

using Pair = std::pair<std::string, std::string>;

// A wide string of libbstr made from UTF-8, freed when it goes.
class WideString {
  public:
    explicit WideString(std::string_view text) {
        const std::u16string wide = Utf8ToUtf16(text);
        text_ = SysAllocStringLen(wide.data(), static_cast<unsigned>(wide.size()));
    }
    WideString() = default;
    ~WideString() { SysFreeString(text_); }
    WideString(const WideString&) = delete;
    WideString& operator=(const WideString&) = delete;

    BSTR Get() const { return text_; }
    BSTR* Out() { return &text_; }
    std::string Utf8() const { return Utf16ToUtf8({text_, SysStringLen(text_)}); }

  private:
    BSTR text_ = nullptr;
};

struct Request {
    std::vector<Pair> person;    // person-field key and value
    std::vector<Pair> features;  // feature key and value
};

// A feature written as KEY=VALUE; the key ends at the first "=".
std::optional<Pair> Feature(std::string_view text) {
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    return Pair(text.substr(0, equals), text.substr(equals + 1));
}

// Reads the command line; on a fault returns the message.
std::optional<std::string> ReadArguments(int argc, char** argv, Request& request) {
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        std::optional<std::string_view> inlineValue;
        if (const std::size_t equals = argument.find('=');
            argument.starts_with("--") && equals != std::string_view::npos) {
            inlineValue = argument.substr(equals + 1);
            argument = argument.substr(0, equals);
        }
        const auto* option = std::find_if(std::begin(kPersonOptions), std::end(kPersonOptions),
                                          [&](const auto& o) { return o.first == argument; });
        if (option != std::end(kPersonOptions)) {
            if (!inlineValue && i + 1 == argc)
                return "у параметра " + std::string(argument) + " нет значения";
            request.person.emplace_back(option->second, inlineValue ? *inlineValue : argv[++i]);
        } else if (argument.starts_with("--")) {
            return "неизвестный параметр " + std::string(argument);
        } else if (auto feature = Feature(argument)) {
            request.features.push_back(std::move(*feature));
        } else {
            return "в признаке \"" + std::string(argument) + "\" нет знака \"=\"";
        }
    }
    return std::nullopt;
}

// Reads features from standard input, one per line; reports and counts faulty lines.
int ReadInput(std::istream& in, Request& request) {
    int faults = 0;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.ends_with('\r')) line.pop_back();
        if (line.empty()) continue;
        if (auto feature = Feature(line)) {
            request.features.push_back(std::move(*feature));
        } else {
            std::cerr << "veltan-host: строка " << number
                      << " пропущена, в ней нет знака \"=\": " << line << '\n';
            ++faults;
        }
    }
    return faults;
}

// Runs the analysis in the documented calling order and prints the paragraphs.
void Analyse(const VeltanModule& module, const Request& request, std::ostream& out) {
    module.ClearINFO();
    for (const auto& [key, value] : request.person)
        module.ChangeParameters(WideString(key).Get(), WideString(value).Get());
    for (const auto& [key, value] : request.features)
        module.AddParameters(WideString(key).Get(), WideString(value).Get());
    const void* list = module.Analizing();
    WideString paragraph;
    for (int i = 0, count = module.ResultCount(list); i < count; ++i) {
        module.ResultItem(list, i, paragraph.Out());
        out << paragraph.Utf8() << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    Request request;
    if (auto fault = ReadArguments(argc, argv, request)) {
        std::cerr << "veltan-host: " << *fault << "\n\n" << kUsage;
        return 2;
    }
    const int faults = request.features.empty() ? ReadInput(std::cin, request) : 0;

    VeltanModule module;
    const auto library =
        std::filesystem::canonical("/proc/self/exe").parent_path() / "libveltan.so";
    if (auto fault = module.Load(library)) {
        std::cerr << "veltan-host: не удалось загрузить " << library.string() << ": " << *fault
                  << '\n';
        return 1;
    }
    Analyse(module, request, std::cout);
    return faults == 0 ? 0 : 1;
}

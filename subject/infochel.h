#pragma once
// The subject window "Личная информация": surname, first name, patronymic,
// gender and the kind of analysis of the tested person. The first-name and
// patronymic fields offer the names of the chosen gender's lists and can
// remember new ones. Confirming fills the program's subject and shows it in
// the main window; any other close puts the window back as the subject was.

#include <QString>
#include <array>

#include "namelist.h"
#include "secondarywindow.h"
#include "subject.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

struct TNameFieldKind;

// The message when a name list cannot be written, CR line breaks included.
extern const QString kListWriteErrorMessage;

class TInfoChel : public TSecondaryWindow {
    Q_OBJECT
  public:
    // Selects "Мужской", which loads the male lists from ProgramDir, and
    // becomes the window that step 1 of the main window opens.
    explicit TInfoChel(TProgram& program);

    // Replaces the first-name and patronymic lists by the gender's files; a
    // file that cannot be read leaves its list as it was. Typed text stays.
    void LoadNameLists(TGender gender);

  protected:
    // Every close but the confirmation restores the window.
    void closeEvent(QCloseEvent* event) override;

  private slots:
    void SeSkinButton1Click();
    void SeSkinButton2Click();
    void SeSkinRadioButton1Click(bool checked);
    void SeSkinRadioButton2Click(bool checked);

  private:
    // A field that offers names from a list and may remember a new one.
    struct TNameField {
        const TNameFieldKind* Kind = nullptr;
        QComboBox* Field = nullptr;
        QCheckBox* Remember = nullptr;
        TNameList List;
    };

    void createControls();
    void connectCommands();

    void ConfirmSubject();
    void RestoreSubjectWindow();
    // Adds the typed name to the field's list and file unless the list holds
    // it exactly; an unwritable file is reported.
    void RememberName(TNameField& name);
    void ShowNames(const TNameField& name);
    TGender Gender() const;
    std::string FileOf(const TNameField& name, TGender gender) const;

    // The first name, then the patronymic.
    std::array<TNameField, 2> names_;

    QLabel* XPLabel1 = nullptr;
    QLineEdit* XPEdit1 = nullptr;
    QRadioButton* SeSkinRadioButton1 = nullptr;
    QRadioButton* SeSkinRadioButton2 = nullptr;
    QRadioButton* SeSkinRadioButton3 = nullptr;
    QRadioButton* SeSkinRadioButton4 = nullptr;
    QPushButton* SeSkinButton1 = nullptr;
    QPushButton* SeSkinButton2 = nullptr;
};

#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace talmo {

class TProjectContainer;
class TTntButtonEdit;
struct TLanguage;

// A setup language and its optional readme, licence and info-after files.
// The caller fills the language list and the edits, sets Container (its file
// anchors relative paths) and reads the choice back after OK.
class TLanguageDetails : public QDialog
{
    Q_OBJECT
public:
    explicit TLanguageDetails(QWidget *parent = nullptr);

    // The language's three files into the edits, and back.
    void showFiles(const TLanguage &language);
    void storeFiles(TLanguage &language) const;

    // "&Ok": refuses to close without a chosen language.
    void Button1Click();
    // The browse button of one of the three edits.
    void gui_BuildReadmeFileButtonClick(TTntButtonEdit *edit);

    TProjectContainer *Container = nullptr;

    QComboBox *JvComboBox1;
    TTntButtonEdit *gui_BuildReadmeFile;
    TTntButtonEdit *gui_BuildEULAFile;
    TTntButtonEdit *gui_infoafterfile;
    QPushButton *Button1;
    QPushButton *Button2;
};

} // namespace talmo

#include "editors/registry/AddFileAssociation.h"
#include "editors/registry/EditorRegistryEntry.h"
#include "editors/registry/EditorRegistrySection.h"
#include "engine/cab/InfTextGenerator.h"
#include "model/ProjectContainer.h"
#include "pagehost/FakeProjectWindowHost.h"
#include "platform/RegistryMemoryStore.h"
#include "tests/cabwiz/CabwizRunner.h"
#include "tests/editors/EditorTestSupport.h"
#include "tests/editors/registry/RegistrySectionPageSupport.h"
#include "tests/support/QtPrinters.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>

using namespace talmo;
using namespace talmo::testing;

namespace {

// A new project whose first target installs one registry section, filled
// through its page: imported, one value edited, a file association added.
class RegistrySectionInfTest : public EditorTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("work")));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("out")));
        project.CreateNewProject();
        project.RegistrySections.AddNew().Caption = QStringLiteral("Settings");
        project.CEDevices[0].Installation.defaultInstallRegistry = QStringList{QStringLiteral("Settings")};
    }

    void fillThroughThePage()
    {
        const QString file = root.filePath(QStringLiteral("every.reg"));
        QFile reg(file);
        ASSERT_TRUE(reg.open(QIODevice::WriteOnly));
        reg.write(RegistryFixture::AnsiFile());
        reg.close();

        Teditor_RegistrySection page(project, host, project.RegistrySections[0]);
        page.show();
        ui.queueFilesWithCheckBox({file}, false);
        click(page.TntButton1);

        page.JvTreeView1->setCurrentItem(page.nodeOfKey(RegistryKeyPath(
            {QStringLiteral("HKEY_LOCAL_MACHINE"), QStringLiteral("Software"), QStringLiteral("Demo")})));
        QTreeWidgetItem *count = page.lv_Registry->topLevelItem(2);
        ASSERT_EQ(count->text(0), QStringLiteral("Count"));
        page.lv_Registry->setCurrentItem(count);
        page.setDialogRunner([](QDialog &dialog) {
            auto &editor = dynamic_cast<TeditorRegistryEntry &>(dialog);
            editor.editor_string->selectAll();
            QTest::keyClicks(editor.editor_string, QStringLiteral("42"));
            editor.overwrite_key->setChecked(true);
            click(editor.okButton);
            return editor.result();
        });
        page.JvListView1DblClick();

        page.setDialogRunner([](QDialog &dialog) {
            auto &association = dynamic_cast<TaddFileAssociation &>(dialog);
            association.tb_Extension->setText(QStringLiteral("txt"));
            association.tb_description->setText(QStringLiteral("Text"));
            association.cb_target->setEditText(QStringLiteral("%InstallDir%\\view.exe"));
            click(association.bt_ok);
            return association.result();
        });
        click(page.JvBitBtn1);
    }

    QTemporaryDir root;
    RegistryMemoryStore store;
    ScopedCurrentRegistryStore useStore{store};
    TProjectContainer project;
    FakeProjectWindowHost host;
};

} // namespace

TEST_F(RegistrySectionInfTest, ImportedAndEditedValuesReachTheInfAndTheCabinet)
{
    fillThroughThePage();
    const QString text = InfTextGenerator(QStringLiteral(TALMO_TEST_PROGRAM_DIR), root.filePath(QStringLiteral("work")))
                             .Generate(project);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    const qsizetype start = lines.indexOf(QStringLiteral("[Settings]"));
    ASSERT_GE(start, 0) << text.toStdString();
    EXPECT_EQ(lines.mid(start, 14),
              (QStringList{
                  "[Settings]",
                  "HKLM,Software\\Demo,Name,0x00000000,\"Demo \"\"App\"\"\"",
                  "HKLM,Software\\Demo,Count,0x00010003,42",
                  "HKLM,Software\\Demo,Blob,0x00000001,0A,FF",
                  "HKLM,Software\\Demo,Path,0x00000000,%CE1%",
                  "HKLM,Software\\Demo,List,0x00010000,one,\"\"\"t\"\"\"",
                  "HKEY_USERS,.DEFAULT,a,0x00000000,1",
                  "HKEY_USERS,.DEFAULT,b,0x00000000,2",
                  "HKEY_USERS,.DEFAULT,c,0x00010001,16",
                  "HKCR,.txt,,0x00000000,txtfile",
                  "HKCR,txtfile,,0x00000000,Text",
                  "HKCR,txtfile\\DefaultIcon,,0x00000000,\"%InstallDir%\\view.exe,0\"",
                  "HKCR,txtfile\\Shell\\Open\\Command,,0x00000000,"
                  "\"\"\"%InstallDir%\\view.exe\"\" \"\"%%1\"\"\"",
                  "",
              }));
    EXPECT_TRUE(text.contains(QStringLiteral("AddReg = Settings\r\n")));

    const QString inf = root.filePath(QStringLiteral("work/Registry.inf"));
    writeInfFile(inf, text);
    const CabwizResult result = runCabwiz({inf, QStringLiteral("/dest"), root.filePath(QStringLiteral("out"))});
    ASSERT_EQ(result.exitCode, 0) << result.lines.join(u'\n').toStdString();
    EXPECT_TRUE(result.lines.isEmpty()) << result.lines.join(u'\n').toStdString();
    const QString descriptor =
        QString::fromUtf8(cabMember(root.filePath(QStringLiteral("out/Registry.CAB")), QStringLiteral("_setup.xml")));
    for (const char *expected : {
             "<characteristic type=\"HKLM\\Software\\Demo\">",
             "<parm name=\"Count\" value=\"42\" datatype=\"integer\" keepexisting=\"true\"/>",
             "<parm name=\"Blob\" value=\"Cv8=\" datatype=\"binary\"/>",
             "<characteristic type=\"HKU\\.DEFAULT\">",
             "<parm name=\"c\" value=\"16\" datatype=\"integer\"/>",
             "<characteristic type=\"HKCR\\txtfile\">",
             // The data as the page showed it.
             "<parm name=\"Name\" value=\"Demo &quot;App&quot;\" datatype=\"string\"/>",
             "<parm name=\"\" value=\"%InstallDir%\\view.exe,0\" datatype=\"string\"",
             "<parm name=\"\" value=\"&quot;%InstallDir%\\view.exe&quot; &quot;%1&quot;\" datatype=\"string\"",
         })
        EXPECT_TRUE(descriptor.contains(QString::fromUtf8(expected))) << expected << "\n" << descriptor.toStdString();
}

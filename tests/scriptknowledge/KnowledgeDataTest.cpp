#include "scriptknowledge/ScriptClassTable.h"
#include "scriptknowledge/ScriptFunctionList.h"
#include "scriptknowledge/KnowledgeData.h"

#include <QDir>
#include <QFile>

#include <algorithm>

#include <gtest/gtest.h>

using namespace talmo;

TEST(KnowledgeData, ClassTableIsCompleteAndAcyclic)
{
    const ScriptClassTable table;
    ASSERT_EQ(table.size(), 63);
    EXPECT_EQ(table.at(0).name, QStringLiteral("TObject"));
    EXPECT_EQ(table.at(0).parent, -1);
    for (qsizetype i = 1; i < table.size(); ++i) {
        const ScriptClass &cls = table.at(i);
        ASSERT_GE(cls.parent, 0) << cls.name.toStdString();
        ASSERT_LT(cls.parent, i) << cls.name.toStdString();
        int steps = 0;
        for (int p = cls.parent; p > 0; p = table.at(p).parent)
            ASSERT_LT(++steps, 63) << cls.name.toStdString();
    }
    const ScriptClass &wizardForm = table.at(table.indexOf(QStringLiteral("TWizardForm")));
    EXPECT_EQ(wizardForm.members.size(), 81);
    EXPECT_EQ(table.at(wizardForm.parent).name, QStringLiteral("TSetupForm"));
    EXPECT_TRUE(std::any_of(wizardForm.members.cbegin(), wizardForm.members.cend(), [](const ScriptClassMember &m) {
        return m.declaration == QLatin1String("property CurPageID: Integer; read;") && m.insertText == QLatin1String("CurPageID");
    }));
    EXPECT_TRUE(table.at(table.indexOf(QStringLiteral("TGraphicControl"))).members.isEmpty());
}

TEST(KnowledgeData, FunctionListHoldsRoutinesThenConstants)
{
    const QList<ScriptFunctionEntry> &entries = ScriptFunctionList::entries();
    ASSERT_EQ(entries.size(), ScriptFunctionList::RoutineCount + ScriptFunctionList::ConstantCount);
    for (int i = 0; i < ScriptFunctionList::RoutineCount; ++i) {
        SCOPED_TRACE(entries.at(i).declaration.toStdString());
        EXPECT_TRUE(entries.at(i).declaration.startsWith(QLatin1String("function ")) ||
                    entries.at(i).declaration.startsWith(QLatin1String("procedure ")));
        EXPECT_TRUE(entries.at(i).declaration.endsWith(u';'));
        EXPECT_NE(entries.at(i).declaration.indexOf(u' ' + entries.at(i).name), -1);
    }
}

// The repository keeps copies of the shared installer facts; they must not drift.
TEST(KnowledgeData, RepositoryCopiesMatchTheSharedFacts)
{
    const QDir shared(QStringLiteral(TALMO_SHARED_FACTS_DIR));
    if (!shared.exists())
        GTEST_SKIP() << "no shared facts folder beside the repository";
    const QDir copies(QStringLiteral(TALMO_FACTS_DIR));
    for (const QString &name : copies.entryList({ QStringLiteral("*.txt"), QStringLiteral("*.tsv") }, QDir::Files)) {
        QFile original(shared.filePath(name));
        QFile copy(copies.filePath(name));
        ASSERT_TRUE(original.open(QIODevice::ReadOnly)) << name.toStdString();
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly)) << name.toStdString();
        EXPECT_EQ(copy.readAll(), original.readAll()) << name.toStdString();
    }
}

TEST(KnowledgeData, EmbeddedTablesAreTheRepositoryCopies)
{
    for (const char *name : { "script-functions.tsv", "script-classes.txt", "help-only-functions.tsv" }) {
        QFile file(QStringLiteral(TALMO_FACTS_DIR "/") + QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        if (!lines.isEmpty() && lines.constLast().isEmpty())
            lines.removeLast();
        EXPECT_EQ(KnowledgeData::lines(QString::fromLatin1(name)), lines) << name;
    }
}

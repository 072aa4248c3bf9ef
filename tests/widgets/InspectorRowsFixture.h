#pragma once

#include "widgets/NextInspector.h"
#include "widgets/NxTextItem.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

namespace talmo {

// A shown inspector with a category "General" and the three text rows
// Name ("alpha"), Title ("beta") and Note ("gamma").
class InspectorRowsFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(300, 200);
        inspector = new TNextInspector(&window);
        inspector->setGeometry(0, 0, 300, 200);
        general = inspector->items()->addChild<TNxPropertyItem>(nullptr, QStringLiteral("General"));
        name = addRow("Name", "alpha");
        title = addRow("Title", "beta");
        note = addRow("Note", "gamma");
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    TNxTextItem *addRow(const char *caption, const char *value)
    {
        auto *row = inspector->items()->addChild<TNxTextItem>(general, QString::fromLatin1(caption));
        row->setValue(QString::fromLatin1(value));
        return row;
    }

    QWidget window;
    TNextInspector *inspector = nullptr;
    TNxPropertyItem *general = nullptr;
    TNxTextItem *name = nullptr;
    TNxTextItem *title = nullptr;
    TNxTextItem *note = nullptr;
};

} // namespace talmo

// Conventions a German desktop program keeps, on the window: Qt's own texts in German, number
// boxes that refuse runaway input, and small screens on which every control stays whole.
#include <QGroupBox>
#include <QMenu>
#include <QScrollBar>
#include <QTextDocument>
#include <algorithm>

#include "appstart.h"
#include "started_form.h"

namespace frankierung {
namespace {

QStringList actionTexts(QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        texts << action->text().remove(u'&').section(u'\t', 0, 0);
    }
    return texts;
}

TEST(Conventions, QtsOwnMenusAreGerman) {
    ASSERT_TRUE(installQtTranslations());
    const auto form = test::startedForm();
    std::vector<std::unique_ptr<QMenu>> menus;
    menus.emplace_back(form->txtMarke[0]->createStandardContextMenu());
    menus.emplace_back(form->txtPruef->createStandardContextMenu());
    menus.emplace_back(form->txtLog->createStandardContextMenu());
    for (const auto& menu : menus) {
        const QStringList texts = actionTexts(menu.get());
        EXPECT_TRUE(texts.contains(QStringLiteral("Rückgängig"))) << texts.join(u',').toStdString();
        EXPECT_TRUE(texts.contains(QStringLiteral("Alles auswählen")));
        EXPECT_FALSE(texts.contains(QStringLiteral("Undo")));
    }
}

// 10,000 typed characters froze the window for seconds inside the toolkit.
TEST(Conventions, NumberBoxesTakeNoRunawayInput) {
    const auto form = test::startedForm();
    for (TextBox* box : {form->txtMarke[0], form->txtMarke[1], form->txtMarke[2], form->txtPruef}) {
        box->clear();
        QTest::keyClicks(box, QString(80, u'9'));
        EXPECT_EQ(box->text().size(), 64) << box->objectName().toStdString();
        box->insert(QString(10000, u'7'));
        EXPECT_EQ(box->text().size(), 64) << box->objectName().toStdString();
    }
}

}  // namespace
}  // namespace frankierung

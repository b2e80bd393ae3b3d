#include "stiffness/ui/StiffnessConsDialog.h"

#include "support/ScriptedPrompter.h"
#include "support/TempHome.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace valtrane;
using stiffness::StiffnessConsDialog;

namespace {

class StiffnessConsDialogTest : public ::testing::Test {
protected:
    StiffnessConsDialog &open()
    {
        dialog = new StiffnessConsDialog(home.paths(), state, prompter);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.data()));
        return *dialog;
    }

    void type(int box, const QString &keys)
    {
        dialog->box(box)->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        dialog->box(box)->end(false);
        QTest::keyClicks(dialog->box(box), keys);
    }
    void click(StiffnessConsDialog::Button b) { QTest::mouseClick(dialog->button(b), Qt::LeftButton); }

    ~StiffnessConsDialogTest() override { delete dialog.data(); }

    test::TempHome home;
    AppState state;
    test::ScriptedPrompter prompter;
    QPointer<StiffnessConsDialog> dialog;
};

} // namespace

TEST_F(StiffnessConsDialogTest, OpensWithTheConstantsInTheirBoxesAndNothingToApply)
{
    state.StiffnessConstants[MeasMs] = StiffnessConstant::fromText("0.12");
    state.StiffnessConstants[Densi2] = StiffnessConstant::fromNumber(1762.04);
    state.ConstantsChanged = true;
    QApplication::clipboard()->setText("copied elsewhere");
    open();

    EXPECT_EQ((QStringList{dialog->windowTitle(), dialog->box(MeasMs)->text(), dialog->box(Poisra)->text(), dialog->box(Densi2)->text(), QApplication::clipboard()->text()}),
              (QStringList{"Stiffness Constants", "0.12", "", "1762.04", ""}));
    EXPECT_EQ(std::pair(dialog->button(StiffnessConsDialog::Apply)->isEnabled(), state.ConstantsChanged), std::pair(false, false));
}

TEST_F(StiffnessConsDialogTest, EnterMovesToTheNextBoxSelectingWhatIsInIt)
{
    state.StiffnessConstants[Assmas] = StiffnessConstant::fromText("10.0000");
    open();
    type(0, "0.15");
    EXPECT_TRUE(dialog->button(StiffnessConsDialog::Apply)->isEnabled());
    QTest::keyClick(dialog->box(0), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(dialog->box(1)->hasFocus(), dialog->box(1)->selectedText(), dialog->isVisible()), std::tuple(true, QString("10.0000"), true));
}

TEST_F(StiffnessConsDialogTest, ApplyStoresAndStaysCancelLeavesEverythingOkStoresAndCloses)
{
    state.StiffnessConstants[Slopes] = StiffnessConstant::fromText("0.5000");
    open();
    type(Slopes, "7");
    click(StiffnessConsDialog::Apply);
    EXPECT_EQ(std::tuple(dialog->isVisible(), dialog->button(StiffnessConsDialog::Apply)->isEnabled(), state.ConstantsChanged),
              std::tuple(true, false, true));
    EXPECT_DOUBLE_EQ(state.StiffnessConstants[Slopes].toDouble(), 0.50007);

    state.ConstantsChanged = false;
    type(Slopes, "8");
    click(StiffnessConsDialog::Cancel);
    EXPECT_EQ(std::pair(state.ConstantsChanged, dialog && dialog->isVisible()), std::pair(false, false));
    EXPECT_DOUBLE_EQ(state.StiffnessConstants[Slopes].toDouble(), 0.50007);

    ASSERT_TRUE(QFile::remove(home.path() + "/info/StiffnessCons.vkt"));
    open();
    type(Densit, "110");
    click(StiffnessConsDialog::Ok);
    EXPECT_TRUE(home.exists("info/StiffnessCons.vkt"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(StiffnessConsDialogTest, TextThatIsNoNumberKeepsTheDialogOpenAndSaysWhichBox)
{
    open();
    type(Interc, "1..2");
    click(StiffnessConsDialog::Ok);

    ASSERT_TRUE(dialog && dialog->isVisible());
    EXPECT_TRUE(dialog->note()->text().contains("Intercept (C vs. K/m)"));
    EXPECT_EQ(std::tuple(dialog->note()->isVisible(), dialog->box(Interc)->hasFocus(), state.ConstantsChanged, home.exists("info/StiffnessCons.vkt")),
              std::tuple(true, true, false, false));
}

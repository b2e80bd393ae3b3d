#include "stiffness/ui/StiffnessConsDialog.h"
#include "support/ui/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace valtrane;
using stiffness::StiffnessConsDialog;

namespace {

class ConstantsCommandTest : public test::MainWindowFixture {
protected:
    QAction *action(const char *name) const { return window->findChild<QAction *>(name); }
    QTimer *textChanged() const { return window->findChild<QTimer *>("TextChanged"); }
    void tick() { QMetaObject::invokeMethod(textChanged(), "timeout"); }
};

} // namespace

TEST_F(ConstantsCommandTest, TheDialogHoldsTheImportCommandWhileOpenAndItsTimerPassesNewConstantsOnOnce)
{
    start();
    show();
    QSignalSpy rebuilt(window.get(), &app::MainWindow::stiffnessConstantsChanged);
    action("SCons")->trigger();
    StiffnessConsDialog *dialog = window->constantsDialog();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->isModal());
    const auto enabled = [&] { return std::vector<bool>{action("ImportWizard")->isEnabled(), action("COM_DES")->isEnabled(), action("SCons")->isEnabled()}; };
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, true}));
    ASSERT_TRUE(textChanged()->isActive());
    EXPECT_EQ(textChanged()->interval(), 1000);

    tick();
    EXPECT_EQ(rebuilt.count(), 0);
    EXPECT_TRUE(textChanged()->isActive());
    QTest::keyClicks(dialog->box(Poisra), "0.35");
    QTest::mouseClick(dialog->button(StiffnessConsDialog::Apply), Qt::LeftButton);
    ASSERT_TRUE(state.ConstantsChanged);
    tick();
    EXPECT_EQ(rebuilt.count(), 1);
    EXPECT_FALSE(state.ConstantsChanged);
    EXPECT_FALSE(textChanged()->isActive());

    QTest::mouseClick(dialog->button(StiffnessConsDialog::Cancel), Qt::LeftButton);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true}));
    action("SCons")->trigger();
    ASSERT_NE(window->constantsDialog(), nullptr);
    EXPECT_TRUE(window->constantsDialog()->isVisible());
}

TEST_F(ConstantsCommandTest, MissingConstantsAreSetUpInTheDialogWhenTheUserSaysYes)
{
    prompter = test::ScriptedPrompter({Prompter::Answer::Yes});
    start();
    show();
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto *dialog = qobject_cast<StiffnessConsDialog *>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        modal = true;
        dialog->box(MeasMs)->setText("0.1234");
        dialog->box(Densi2)->setText("1800");
        QTest::mouseClick(dialog->button(StiffnessConsDialog::Ok), Qt::LeftButton);
    });
    window->stiffnessConstantsFile().load();

    EXPECT_TRUE(modal);
    EXPECT_EQ(prompter.texts(), QStringList{"SG2150 Constants do not exist.  Do you want to setup constants now?"});
    EXPECT_DOUBLE_EQ(state.StiffnessConstants[MeasMs].toDouble(), 0.1234);
    EXPECT_DOUBLE_EQ(state.StiffnessConstants[Densi2].toDouble(), 1800);
    EXPECT_TRUE(home.exists("info/StiffnessCons.vkt"));
    EXPECT_TRUE(textChanged()->isActive());
}

#include "app/ui/ComSummary.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace valtrane;

namespace {

const QStringList Captions{"COM1: AVAILABLE", "COM2: IN USE", "COM3: UNAVAILABLE", "COM4: MODEM"};

} // namespace

TEST(ComSummary, ListsTheCaptionsInPortOrderUnderAHeadingAndABlankLine)
{
    EXPECT_EQ(app::ComSummary::summaryText(Captions),
              "Comm port information:\r\n\r\nCOM1: AVAILABLE\r\nCOM2: IN USE\r\nCOM3: UNAVAILABLE\r\nCOM4: MODEM\r\n");
}

TEST(ComSummary, OwnerIsDisabledWhileItIsOpenButNotTheWindowsItOwnsAndItsOkClosesIt)
{
    QMainWindow owner;
    auto *content = new QWidget;
    owner.setCentralWidget(content);
    owner.menuBar()->addMenu("&File");
    owner.show();
    auto *wizard = new QDialog(&owner);
    wizard->show();
    QPointer<app::ComSummary> summary = new app::ComSummary(Captions, &owner);
    summary->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(summary.data()));
    EXPECT_FALSE(summary->isModal());
    EXPECT_FALSE(content->isEnabled());
    EXPECT_FALSE(owner.menuBar()->isEnabled());
    EXPECT_TRUE(wizard->isEnabled());
    EXPECT_TRUE(summary->isEnabled());
    EXPECT_EQ(summary->findChild<QLabel *>("Label1")->text(),
              "Comm port information:\n\nCOM1: AVAILABLE\nCOM2: IN USE\nCOM3: UNAVAILABLE\nCOM4: MODEM");

    QTest::mouseClick(summary->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
    EXPECT_TRUE(content->isEnabled());
    EXPECT_TRUE(owner.menuBar()->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(summary.isNull());
}

#include "app/ui/ComSummary.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace valtrane;

TEST(ComSummary, ListsThePortsUnderAHeadingWhileItsOwnerButNotTheWindowsItOwnsWaitsForOk)
{
    const QStringList captions{"COM1: AVAILABLE", "COM2: IN USE", "COM3: UNAVAILABLE", "COM4: MODEM"};
    EXPECT_EQ(app::ComSummary::summaryText(captions),
              "Comm port information:\r\n\r\nCOM1: AVAILABLE\r\nCOM2: IN USE\r\nCOM3: UNAVAILABLE\r\nCOM4: MODEM\r\n");
    QMainWindow owner;
    auto *content = new QWidget;
    owner.setCentralWidget(content);
    owner.menuBar()->addMenu("&File");
    owner.show();
    auto *wizard = new QDialog(&owner);
    wizard->show();
    QPointer<app::ComSummary> summary = new app::ComSummary(captions, &owner);
    summary->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(summary.data()));
    EXPECT_FALSE(summary->isModal());
    EXPECT_EQ(std::vector<bool>({content->isEnabled(), owner.menuBar()->isEnabled(), wizard->isEnabled(), summary->isEnabled()}),
              std::vector<bool>({false, false, true, true}));
    EXPECT_EQ(summary->findChild<QLabel *>("Label1")->text(),
              "Comm port information:\n\nCOM1: AVAILABLE\nCOM2: IN USE\nCOM3: UNAVAILABLE\nCOM4: MODEM");

    QTest::mouseClick(summary->findChild<QPushButton *>("OKButton"), Qt::LeftButton);
    EXPECT_TRUE(content->isEnabled());
    EXPECT_TRUE(owner.menuBar()->isEnabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(summary.isNull());
}

#include "support/ui/WizardSteps.h"

#include "wizard/ui/ImportWizard.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace valtrane::test {

void press(wizard::ImportWizard &wizard, int button)
{
    QTest::mouseClick(wizard.button(button), Qt::LeftButton);
}

void walkToStart(wizard::ImportWizard &wizard, int port, int model, int type)
{
    press(wizard, 0);
    ASSERT_TRUE(wizard.portButton(port)->isEnabled());
    wizard.portButton(port)->click();
    press(wizard, 0);
    wizard.modelButton(model)->click();
    press(wizard, 0);
    if (model == LD4800) {
        wizard.typeButton(type)->click();
        press(wizard, 0);
    }
    press(wizard, 0);
    ASSERT_EQ(wizard.view().page, 5);
    press(wizard, 0);
}

} // namespace valtrane::test

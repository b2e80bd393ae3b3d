#pragma once

namespace valtrane::wizard {
class ImportWizard;
}

namespace valtrane::test {

// Clicks one of the wizard's two buttons: 0 Next, 1 Previous (or Done).
void press(wizard::ImportWizard &wizard, int button);
// From the welcome page, Next choosing port, model and download type, through START to the download's end.
void walkToStart(wizard::ImportWizard &wizard, int port, int model, int type = 0);

} // namespace valtrane::test

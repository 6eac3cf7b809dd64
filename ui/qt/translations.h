#pragma once

class QCoreApplication;

namespace hinomori::ui {

// Makes Qt's own texts (a text box's context menu, standard buttons)
// Japanese, as every text of the program is, whatever the user's locale.
// Qt's translations are optional: without them those texts stay English.
// Returns whether they were found.
bool installQtTranslations(QCoreApplication& application);

}  // namespace hinomori::ui

#pragma once

class QCoreApplication;

namespace varnel {

// The whole interface is Spanish, whatever the user's locale: Qt's own texts
// (message box buttons, the text boxes' context menus) come from its Spanish
// translations. Returns false when they are not installed.
bool CargarTextosQtEnEspanol(QCoreApplication& app);

}  // namespace varnel

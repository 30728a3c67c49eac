#pragma once

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

namespace kalvo {

// Program entry shared by all seven programs: creates the application, makes number
// formatting locale-independent, sets the window icon, shows the window made by
// createWindow and runs the event loop. Returns the loop's exit code.
int runApplication(int argc, char** argv, const QString& iconResource,
                   const std::function<std::unique_ptr<QWidget>()>& createWindow);

// The help document beside the executable, handed to the desktop's viewer (F1).
QString helpDocumentPath();
void openHelpDocument();

} // namespace kalvo

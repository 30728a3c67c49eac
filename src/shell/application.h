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
// Opens the help document; a warning box over parent's window (the active window when
// parent is null) tells when it is missing or the desktop has no program to open it.
void openHelpDocument(QWidget* parent = nullptr);
// The same for the document at path. Returns whether the desktop took it.
bool openDocument(const QString& path, QWidget* parent);

} // namespace kalvo

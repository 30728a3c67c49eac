#pragma once

#include <QList>
#include <QUrl>

#include <functional>

class QWidget;

namespace kalvo::test {

// The file URLs `action` hands to the desktop; they are caught, none reaches a viewer.
QList<QUrl> fileUrlsOpenedBy(const std::function<void()>& action);

// F1 in `window` hands the help document beside the program to the desktop, once.
void verifyF1OpensTheHelpDocument(QWidget* window);

} // namespace kalvo::test

#pragma once

#include "main_window.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kalvo {

// Keeps the settings the windows store in a directory of this test process, away from
// the user's own and from tests that run at the same time.
void useTestSettings();

// Base of the calculator window tests: opens the shared window for one program and
// drives it the way a user does (typing, clicking, the context menu).
class CalculatorWindowTest : public QObject {
    Q_OBJECT

public:
    CalculatorWindowTest();

protected:
    // Shows the window of a new user, without stored settings.
    void openWindow(const Program& program);
    // Shows the window with whatever settings are stored, and waits until it is active,
    // so focus and shortcuts work.
    void showWindow(const Program& program);
    // Closes the window as the user does, so it stores its settings, and starts the
    // program again.
    void reopenWindow();
    // Destroys the window without closing it: nothing is stored.
    void closeWindow();

    template <typename T>
    T* child(const QString& name) const
    {
        T* widget = window->findChild<T*>(name);
        if (widget == nullptr)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }
    QLineEdit* field(int n) const;
    QLabel* label(int n) const;
    QLabel* picture(int n) const;
    QRadioButton* radioButton(int n) const;
    QString panelText() const;
    QStringList fieldTexts(int count) const;

    // Replaces the text of lineEdit_n by typing.
    void typeInto(int n, const QString& text);
    // Clicks the indicator: a radio button reacts to its indicator and text only.
    void clickTopology(int n);
    void clickGo();
    // Chooses "Show More Digits", the last entry of the result panel's context menu.
    void toggleMoreDigits();

    std::unique_ptr<MainWindow> window;

private:
    const Program* program = nullptr;
};

} // namespace kalvo

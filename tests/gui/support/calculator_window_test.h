#pragma once

#include "main_window.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kalvo {

// Base of the calculator window tests: opens the shared window for one program and
// drives it the way a user does (typing, clicking, the context menu).
class CalculatorWindowTest : public QObject {
    Q_OBJECT

protected:
    // Shows the window and waits until it is active, so focus and shortcuts work.
    void openWindow(const Program& program);
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
};

} // namespace kalvo

#pragma once

#include "report.h"

#include <QDialog>

class QPlainTextEdit;

namespace kalvo {

// The field solver's check of the shown report: its text in a read-only panel like the
// result panel, with Copy (the whole text) and Close.
class FieldCheckDialog : public QDialog {
    Q_OBJECT
public:
    FieldCheckDialog(const QString& topologyName, const Report& check, QWidget* parent = nullptr);

    QString text() const;

private:
    QPlainTextEdit* panel = nullptr;
};

} // namespace kalvo

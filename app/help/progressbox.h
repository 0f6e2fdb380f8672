#pragma once

#include <QString>

#include <functional>

class QProgressDialog;
class QWidget;

namespace w4 {

// The help's progress box for a search on its worker: modal to the window, shown at once, kept
// open (no auto close or reset) until the search's end closes it; Cancel calls `cancel`.
QProgressDialog* OpenSearchProgress(QWidget* parent, const char* objectName, const QString& label,
                                    const QString& cancelText, int minimumWidth, std::function<void()> cancel);

} // namespace w4

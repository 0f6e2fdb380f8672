#include "app/desktop/application.h"

#include <QMessageBox>

#include <exception>

namespace w4 {

namespace {

QString DescribeCurrentException()
{
    try {
        throw;
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

void ShowErrorBox(const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Warehaus4"), text, QMessageBox::Ok);
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
    , reporter_(ShowErrorBox)
{
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        const QString text = DescribeCurrentException();
        reporter_(text);
        return false;
    }
}

bool RunGuarded(const std::function<void()>& command, const std::function<void(const QString&)>& report)
{
    try {
        command();
        return true;
    } catch (...) {
        report(DescribeCurrentException());
        return false;
    }
}

} // namespace w4

#include "ui/browser_launch.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

namespace zorvane {
namespace {

// An opener that runs longer than this had a browser running; how it ends later is the
// browser's affair, not a failure to open.
constexpr qint64 kGiveUpWithinMs = 10000;

// Runs the opener and reports an early failure; kills the opener, not the browser, when
// the window closes first (the browser's output goes nowhere, so it outlives its opener).
class OpenerProcess : public QObject {
public:
    OpenerProcess(const QString& opener, const QUrl& url, QObject* owner, std::function<void()> failed)
        : QObject(owner), failed_(std::move(failed)) {
        process_.setProgram(opener);
        process_.setArguments({url.toString(QUrl::FullyEncoded)});
        process_.setStandardInputFile(QProcess::nullDevice());
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.setStandardErrorFile(QProcess::nullDevice());
        connect(&process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
            if ((status != QProcess::NormalExit || code != 0) && clock_.elapsed() < kGiveUpWithinMs) failed_();
            deleteLater();
        });
        connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart) return;
            failed_();
            deleteLater();
        });
        clock_.start();
        process_.start();
    }
    ~OpenerProcess() override {
        if (process_.state() == QProcess::NotRunning) return;
        process_.disconnect(this);
        process_.kill();
        process_.waitForFinished(1000);
    }

private:
    QProcess process_;
    QElapsedTimer clock_;
    std::function<void()> failed_;
};

}  // namespace

bool StartBrowser(const QUrl& url, QObject* owner, std::function<void()> failed) {
    const QString opener = QStandardPaths::findExecutable("xdg-open");
    if (opener.isEmpty()) return QDesktopServices::openUrl(url);
    new OpenerProcess(opener, url, owner, std::move(failed));
    return true;
}

}  // namespace zorvane

// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <stdexcept>
#include <thread>

#include "gui/widgets/BusyTransfer.h"
#include "platform/FetchUrlText.h"
#include "platform/Log.h"
#include "support/FakeTransfer.h"
#include "support/TestProgram.h"
#include "update/ServiceFetch.h"

using namespace quorvane;
using namespace std::chrono_literals;

namespace {

class ThrowingTransfer final : public UrlTransfer {
  public:
    TransferAnswer fetch(const std::string&) override {
        throw std::runtime_error("resolver gave up");
    }
};

}  // namespace

class BusyTransferTest : public QObject {
    Q_OBJECT
  private slots:
    void returnsTheWorkersAnswerWhileTheWindowsKeepRunning() {
        test::FakeTransfer inner;
        inner.delay = 300ms;
        inner.answer("1303");
        QWidget owner;
        owner.show();

        int ticks = 0;
        QString modalDuringRequest;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            ++ticks;
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modalDuringRequest = modal->objectName();
            }
        });
        timer.start(20);
        gui::BusyTransfer busy(inner, &owner);
        const TransferAnswer answer = busy.fetch("https://stats.example.org/draft/nba/version.asp");
        timer.stop();

        QCOMPARE(answer.body, std::string("1303"));
        QCOMPARE(answer.status, 200L);
        QCOMPARE(answer.info, std::string("HTTP 200"));
        QCOMPARE(inner.urls.size(), std::size_t{1});
        QVERIFY(inner.threads[0] != std::this_thread::get_id());
        // A frozen window would have let no timer fire during the 300 ms; a machine under load
        // may let only a few of the 15 through.
        QVERIFY(ticks >= 1);
        QCOMPARE(modalDuringRequest, QString("busyTransfer"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void aFailingWorkerEndsAsAConnectionErrorOnTheCallersThread() {
        test::TestProgram program;
        ThrowingTransfer inner;
        gui::BusyTransfer busy(inner);
        const FetchedAnswer fetched =
            fetchUrlAnswer(busy, Log(program.state.logFilePath),
                           "https://stats.example.org/draft/nba/version.asp");
        QVERIFY(fetched.answer.body.empty());
        QVERIFY(fetched.failure.has_value());
        QCOMPARE(fetched.failure->title, std::string(kNotConnectedTitle));
        const auto lines = program.logLines();
        QVERIFY(!lines.empty());
        QVERIFY(lines.back().ends_with(" : resolver gave up"));
    }
};

QTEST_MAIN(BusyTransferTest)
#include "BusyTransferTest.moc"

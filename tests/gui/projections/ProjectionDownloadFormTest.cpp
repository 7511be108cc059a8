// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>

#include "LoopbackService.h"
#include "gui/projections/FormFindProjections.h"
#include "gui/support/ModalWindow.h"
#include "projections/ProjectionDownload.h"
#include "support/FakeTransfer.h"

using namespace quorvane;

namespace {

// The form's own HTTPS client trusts the loopback service's test certificate.
class TrustedLoopback {
  public:
    TrustedLoopback() {
        ::setenv("QUORVANE_CA_BUNDLE", test::trustedCertificate().certFile.c_str(), 1);
    }
    ~TrustedLoopback() { ::unsetenv("QUORVANE_CA_BUNDLE"); }
    TrustedLoopback(const TrustedLoopback&) = delete;
    TrustedLoopback& operator=(const TrustedLoopback&) = delete;
};

void typeAccount(QDialog& form, const QString& user, const QString& password) {
    form.findChild<QLineEdit*>("txt_username")->setText(user);
    form.findChild<QLineEdit*>("txt_password")->setText(password);
}

}  // namespace

class ProjectionDownloadFormTest : public QObject {
    Q_OBJECT
  private slots:
    void downloadLoadsEveryServedPlayerConfirmsRefreshesAndCloses() {
        const TrustedLoopback trust;
        test::LoopbackService service("coach", "s3cret & more");
        QVERIFY(service.started());
        test::TestProgram program;
        program.state.serviceHost = service.host();
        gui::FormFindProjections form(program.state, program.dialogs);
        form.show();
        typeAccount(form, " coach ", " s3cret & more ");

        QSignalSpy refresh(&form, &gui::FormFindProjections::refreshRequested);
        const auto confirmed = test::whenModalShown("form_proj_done", [](QWidget* done) {
            done->findChild<QPushButton*>("cmd_ok")->click();
        });
        form.findChild<QPushButton*>("cmd_updProj")->click();

        QVERIFY(*confirmed);
        QCOMPARE(refresh.count(), 1);
        QVERIFY(!form.isVisible());
        QVERIFY(program.dialogs.messages.empty());
        // Two players, one of them with last season too.
        QCOMPARE(program.scalar("select count(distinct playerid) from DraftPlayers"), 2.0);
        QCOMPARE(program.scalar("select count(*) from DraftPlayers"), 3.0);
        QCOMPARE(program.scalar("select count(*) from DraftPlayers where lastname = 'O''Hara'"),
                 1.0);
    }

    void aWrongPasswordChangesNothingAndKeepsTheWindowOpen() {
        const TrustedLoopback trust;
        test::LoopbackService service("coach", "s3cret");
        QVERIFY(service.started());
        test::TestProgram program;
        program.state.serviceHost = service.host();
        gui::FormFindProjections form(program.state, program.dialogs);
        form.show();
        typeAccount(form, "coach", "guess");

        QSignalSpy refresh(&form, &gui::FormFindProjections::refreshRequested);
        form.findChild<QPushButton*>("cmd_updProj")->click();

        QCOMPARE(refresh.count(), 0);
        QVERIFY(form.isVisible());
        QCOMPARE(program.scalar("select count(*) from DraftPlayers"), 0.0);
        QCOMPARE(program.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(program.dialogs.messages[0].text, std::string(kNotAuthorisedMessage));
        QVERIFY(form.findChild<QPushButton*>("cmd_updProj")->isEnabled());
    }

    void withoutAServiceTheWindowExplainsAndRequestsNothing() {
        test::TestProgram program;
        program.state.serviceHost.clear();
        test::FakeTransfer transfer;
        gui::FormFindProjections form(program.state, program.dialogs, transfer);
        form.show();
        QCOMPARE(form.findChild<QLineEdit*>("txt_password")->echoMode(), QLineEdit::Password);
        QCOMPARE(form.findChild<QPushButton*>("cmd_updProj")->text(),
                 QString("Update Projections"));
        typeAccount(form, "coach", "s3cret");

        QSignalSpy refresh(&form, &gui::FormFindProjections::refreshRequested);
        form.findChild<QPushButton*>("cmd_updProj")->click();

        QVERIFY(transfer.urls.empty());
        QCOMPARE(refresh.count(), 0);
        QVERIFY(form.isVisible());
        QCOMPARE(program.dialogs.messages.size(), std::size_t{1});
        QCOMPARE(program.dialogs.messages[0].text, std::string(kNoServiceMessage));
    }
};

QTEST_MAIN(ProjectionDownloadFormTest)
#include "ProjectionDownloadFormTest.moc"

// SPDX-License-Identifier: MIT
#pragma once

#include <QTextBrowser>
#include <QUrl>

#include <memory>
#include <string>

namespace quorvane {
enum class HelpPage;
struct ProgramState;
class UrlTransfer;
}  // namespace quorvane

namespace quorvane::gui {

// The main window's pane for help, the start page and player pages. Service pages come through
// the program's own HTTPS client (the same certificate checks as every other request), fetched
// behind a busy window; local pages are the help copies shipped with the program and player
// pages made from the database. Whatever cannot be shown is replaced by the local
// connect_error.htm, never by an empty pane or a message box.
class WebPane final : public QTextBrowser {
    Q_OBJECT
  public:
    explicit WebPane(ProgramState& state, QWidget* parent = nullptr);
    WebPane(ProgramState& state, UrlTransfer& transfer, QWidget* parent = nullptr);
    ~WebPane() override;

    // The service's help page when a service is configured, else the local copy.
    void showHelp(HelpPage page);
    // Players of the projections only (ids below 20000); the user's own players have no page.
    // `card` (HTML) is shown at the end of the page: his value to the user's team.
    void showPlayerPage(int playerId, const std::string& card = std::string());
    // The player whose page is shown with a card, 0 when the pane shows something else.
    int cardPlayer() const { return m_cardPlayer; }
    // Replaces the card of the shown player page without reading the page again, keeping the
    // place the user scrolled to.
    void replacePlayerCard(const std::string& card);
    // The help topics.
    void showStartPage();
    // An https:// address of the service or a file:// address (or path) of a local page.
    void navigate(const std::string& address);

    // What links on the shown page are resolved against; empty for a page made from the
    // database.
    QUrl currentAddress() const { return m_address; }

  protected:
    QVariant loadResource(int type, const QUrl& name) override;

  private:
    WebPane(ProgramState& state, std::unique_ptr<UrlTransfer> transfer, QWidget* parent);
    void setUpPane();
    void showServicePage(const std::string& address);
    void showLocalFile(const QUrl& url);
    void showConnectError();
    void showDocument(const QString& html, const QUrl& address);
    void followLink(const QUrl& link);
    void showWithCard();

    ProgramState& m_state;
    std::unique_ptr<UrlTransfer> m_ownTransfer;
    UrlTransfer* m_transfer;
    QUrl m_address;
    QString m_html;  // the page shown, without a card
    bool m_connectErrorShown = false;
    int m_cardPlayer = 0;
    QString m_card;
};

}  // namespace quorvane::gui

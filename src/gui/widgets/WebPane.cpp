// SPDX-License-Identifier: MIT
#include "gui/widgets/WebPane.h"

#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTextDocument>

#include <optional>
#include <utility>

#include "gui/widgets/BusyTransfer.h"
#include "platform/CurlTransfer.h"
#include "platform/HelpPages.h"
#include "session/PlayerPages.h"
#include "session/ProgramState.h"

namespace quorvane::gui {

namespace {

const QString kFileScheme = QStringLiteral("file://");
const QString kHttpsScheme = QStringLiteral("https://");
constexpr long kFirstHttpSuccess = 200;
constexpr long kFirstHttpNonSuccess = 300;

QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::optional<QString> readLocalFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return QString::fromUtf8(file.readAll());
}

}  // namespace

WebPane::WebPane(ProgramState& state, QWidget* parent)
    : WebPane(state, std::make_unique<CurlTransfer>(), parent) {}

WebPane::WebPane(ProgramState& state, std::unique_ptr<UrlTransfer> transfer, QWidget* parent)
    : QTextBrowser(parent),
      m_state(state),
      m_ownTransfer(std::move(transfer)),
      m_transfer(m_ownTransfer.get()) {
    setUpPane();
}

WebPane::WebPane(ProgramState& state, UrlTransfer& transfer, QWidget* parent)
    : QTextBrowser(parent), m_state(state), m_transfer(&transfer) {
    setUpPane();
}

WebPane::~WebPane() = default;

void WebPane::setUpPane() {
    setObjectName(QStringLiteral("wb1"));
    // Links are followed here, through the same client and the same fallback as every page.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &WebPane::followLink);
}

void WebPane::showHelp(HelpPage page) {
    navigate(helpPageAddress(m_state.serviceHost, page));
}

void WebPane::showStartPage() {
    showHelp(HelpPage::Topics);
}

void WebPane::showPlayerPage(int playerId, const std::string& card) {
    const auto page = playerPageFor(m_state, playerId);
    if (!page) {
        return;
    }
    if (!page->url.empty()) {
        navigate(page->url);
    } else {
        showDocument(fromStd(page->html), QUrl());
    }
    // The card belongs to the player's page, not to the page that says it could not be loaded.
    if (!m_connectErrorShown && !card.empty()) {
        m_cardPlayer = playerId;
        m_card = fromStd(card);
        showWithCard();
    }
}

void WebPane::replacePlayerCard(const std::string& card) {
    if (m_cardPlayer == 0) {
        return;
    }
    m_card = fromStd(card);
    const int scrolled = verticalScrollBar()->value();
    showWithCard();
    verticalScrollBar()->setValue(scrolled);
}

void WebPane::showWithCard() {
    QString html = m_html;
    const qsizetype end = html.lastIndexOf(QStringLiteral("</body>"), -1, Qt::CaseInsensitive);
    html.insert(end >= 0 ? end : html.size(), m_card);
    document()->setMetaInformation(QTextDocument::DocumentUrl, m_address.toString());
    setHtml(html);
}

void WebPane::navigate(const std::string& address) {
    const QString text = fromStd(address);
    // Local addresses are "file://" and the path as it stands on disk, blanks and all, so
    // the path is not read as an encoded URL.
    if (text.startsWith(kFileScheme)) {
        showLocalFile(QUrl::fromLocalFile(text.mid(kFileScheme.size())));
    } else if (text.startsWith(QLatin1Char('/'))) {
        showLocalFile(QUrl::fromLocalFile(text));
    } else if (text.startsWith(kHttpsScheme, Qt::CaseInsensitive)) {
        showServicePage(address);
    } else {
        // The client speaks HTTPS only; anything else is a page that cannot be loaded.
        showConnectError();
    }
}

void WebPane::showServicePage(const std::string& address) {
    BusyTransfer busy(*m_transfer, this);
    // The address goes out as it was given: the service's request paths are already encoded.
    const TransferAnswer answer = busy.fetch(address);
    // A refusal or a missing page comes with a body of its own, which is not the page asked for.
    if (answer.body.empty() || answer.status < kFirstHttpSuccess ||
        answer.status >= kFirstHttpNonSuccess) {
        showConnectError();
        return;
    }
    showDocument(fromStd(answer.body), QUrl(fromStd(address)));
}

void WebPane::showLocalFile(const QUrl& url) {
    const auto html = readLocalFile(url.toLocalFile());
    if (!html) {
        showConnectError();
        return;
    }
    showDocument(*html, url);
}

void WebPane::showConnectError() {
    const QString path = fromStd(localHelpFile(kConnectErrorPage));
    if (const auto html = readLocalFile(path)) {
        showDocument(*html, QUrl::fromLocalFile(path));
        m_connectErrorShown = true;
        return;
    }
    // The shipped page is missing too; the pane must still say what happened.
    showDocument(QStringLiteral("<html><head><title>Page not available</title></head><body>"
                                "<h1>This page could not be loaded</h1>"
                                "<p>Please check your internet connection and try again.</p>"
                                "</body></html>"),
                 QUrl());
    m_connectErrorShown = true;
}

void WebPane::showDocument(const QString& html, const QUrl& address) {
    m_html = html;
    m_connectErrorShown = false;
    m_cardPlayer = 0;
    m_card.clear();
    m_address = address.adjusted(QUrl::RemoveFragment);
    // Style sheets named by the page are looked up while it is parsed, against this address.
    document()->setMetaInformation(QTextDocument::DocumentUrl, m_address.toString());
    setHtml(html);
    if (address.hasFragment()) {
        scrollToAnchor(address.fragment());
    }
}

void WebPane::followLink(const QUrl& link) {
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        scrollToAnchor(link.fragment());
        return;
    }
    const QUrl target = m_address.resolved(link);
    if (target.scheme() == QLatin1String("https")) {
        showServicePage(target.toString(QUrl::FullyEncoded).toStdString());
    } else if (target.isLocalFile() && m_address.isLocalFile()) {
        showLocalFile(target);
    } else {
        // A service page does not get to open files of this computer, and other schemes are
        // not spoken.
        showConnectError();
    }
}

QVariant WebPane::loadResource(int /*type*/, const QUrl& name) {
    // Only the local pages' own files are read. What a service page names (style sheets,
    // pictures) is not fetched: a page costs one request, and a stalled picture cannot hold
    // the pane. An empty answer rather than none, so that the document does not go looking
    // for the resource itself.
    const QUrl resolved = m_address.resolved(name);
    QFile file(resolved.toLocalFile());
    if (!m_address.isLocalFile() || !resolved.isLocalFile() || !file.open(QIODevice::ReadOnly)) {
        return QVariant(QByteArray());
    }
    return file.readAll();
}

}  // namespace quorvane::gui

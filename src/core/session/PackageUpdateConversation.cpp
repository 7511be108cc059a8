// SPDX-License-Identifier: MIT
#include "session/PackageUpdateConversation.h"

#include "session/ShowMessage.h"
#include "session/UserDialogs.h"

namespace quorvane {

namespace {

PackageUpdateResult shown(UserDialogs& dialogs, const PackageUpdateReport& report) {
    if (report.message) {
        showMessage(dialogs, *report.message);
    }
    return report.result;
}

}  // namespace

PackageUpdateResult runPackageUpdate(const PackageUpdateRequest& request, UrlTransfer& transfer,
                                     PackageDownloader& downloader, UserDialogs& dialogs,
                                     const Log& log, PackageInstaller& installer) {
    std::variant<CheckedPackage, PackageUpdateReport> fetched;
    {
        const BusyPointer busy(dialogs);
        const Progress progress{[&dialogs](std::string_view text, long long done, long long total) {
                                    dialogs.progress(text, done, total);
                                },
                                {}};
        fetched = fetchCheckedPackage(request, transfer, downloader, log, progress);
    }
    if (const auto* report = std::get_if<PackageUpdateReport>(&fetched)) {
        return shown(dialogs, *report);
    }
    const CheckedPackage& package = std::get<CheckedPackage>(fetched);
    Consent consent;
    for (const Question& question : decideSavePackage(request, package).questions) {
        if (dialogs.askYesNo(question.title, question.text)) {
            consent.agreed.push_back(question);
        }
    }
    return shown(dialogs, installCheckedPackage(request, package, consent, installer, log));
}

}  // namespace quorvane

#pragma once

#include "services/RunResult.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// What to tell the user when a listing run ended without its table: the
// file is not an image the tool can read, or the tool is missing or failed.
// Its texts are shown by the Extract page and translated there.
class ListingFailure
{
    Q_DECLARE_TR_FUNCTIONS(CPage2)

public:
    // Empty when the listing completed.
    static QString Message(const RunResult& run, bool listingComplete, const QString& isoPath,
                           const QStringList& toolErrors);
};

#pragma once

#include <QString>

// Content that looks like a real disc: an installer layout with documents
// and pictures, every entry dated the same fixed day so that screenshots
// do not change from one run to the next.
class SampleContent
{
public:
    // Builds the folder below parent and returns its path; empty on failure.
    static QString makeFolder(const QString& parent);
    // Makes an ISO image (ISO 9660 + Joliet + Rock Ridge) of the folder with
    // the application's mkisofs; returns its path, empty on failure.
    static QString makeIso(const QString& folder, const QString& isoPath);
};

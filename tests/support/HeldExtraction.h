#pragma once

#include "ArchiveToolStandIn.h"

#include <QString>

// Stands a 7z in for the application folder's own that holds every
// whole-image extraction ("7z x") at two gates: before the real 7z starts
// and after it has ended, before the run reports its end. Listings and
// other runs go straight to the real 7z. While a run is held the page
// still sees its extraction running, for as long as the test wants.
// Only for a program that runs in its own folder (OwnAppFolder).
//
//   HeldExtraction held;
//   page->OnLoadISO();                           // the extraction waits at Start
//   ... changes made while it runs ...
//   held.open(HeldExtraction::Start);
//   QVERIFY(held.waitUntilAt(HeldExtraction::End));  // unpacked, not yet ended
//   held.open(HeldExtraction::End);               // the page sees the end
class HeldExtraction
{
public:
    enum Gate { Start, End };

    HeldExtraction();
    // Opens both gates and puts the real 7z back.
    ~HeldExtraction();
    HeldExtraction(const HeldExtraction&) = delete;
    HeldExtraction& operator=(const HeldExtraction&) = delete;

    // Closes both gates for the next run.
    void closeGates();
    void open(Gate gate);
    // Whether a run has reached the gate (and is held there while it is
    // closed).
    bool isAt(Gate gate) const;
    bool waitUntilAt(Gate gate, int timeoutMs = 30000) const;

private:
    QString gateFile(Gate gate, const QString& state) const;

    ArchiveToolStandIn m_StandIn;
};

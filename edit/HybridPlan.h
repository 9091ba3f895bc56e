#pragma once

#include "edit/SaveArguments.h"

#include <QString>

// Whether a saved copy gets a master boot record again, so that it boots
// from a USB stick as the loaded image did. isohybrid writes one for the
// copy's own layout when the loaded image had one and the copy's first boot
// entry is isolinux; with a UEFI entry also a GPT and an EFI partition.
struct HybridPlan {
    bool run = false;
    bool uefi = false;

    // originalHasRecord: the loaded image has a master boot record;
    // workFolder (with a trailing "/") holds the files the entries name.
    static HybridPlan of(bool originalHasRecord, const SaveArguments& arguments, const QString& workFolder);
};

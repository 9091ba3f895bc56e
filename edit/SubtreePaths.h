#pragma once

class Item;

// After a folder of a content tree is renamed, the entries below it still
// carry the old folder name in their paths. This gives them the paths
// under the new name, keeping their addresses, their order and the
// folders' path indexes right.
class SubtreePaths
{
public:
    static void follow(Item* folder);
};

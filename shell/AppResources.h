// shell/: start-up, the home window and its menu, the interface languages.
// May include every folder of the library: it creates the pages.
#pragma once

// Registers the interface pictures compiled into the core library.
class AppResources
{
public:
    static void init();
};

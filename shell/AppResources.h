#pragma once

// Registers the interface pictures compiled into the core library.
class AppResources
{
public:
    static void init();
};

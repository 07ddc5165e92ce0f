#pragma once

class DialogService;
class RandomSource;
class SoundService;
class PrintService;
class Settings;

// The seams through which the screens reach the world outside: real Qt
// implementations in the program, scripted doubles in tests.
struct Services
{
    DialogService *dialogs = nullptr;
    RandomSource *random = nullptr;
    SoundService *sound = nullptr;
    PrintService *printer = nullptr;
    // What is remembered between runs.
    Settings *settings = nullptr;
};

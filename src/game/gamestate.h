#pragma once

#include <QString>

class SoundBank;

// The state of one game, held by the game screen and set afresh when it opens.
struct GameState
{
    // The question being asked, which is also the round it is drawn from.
    qint16 question_number = 0;
    // Ladder steps won so far (0 to 15).
    qint16 level = 0;
    // The right-answer letter of the question on screen, exactly as stored.
    QString right_letter;
    // Background music switch.
    bool music_on = true;
    // The nine sounds of this game; owned by the sound service.
    SoundBank *sounds = nullptr;
};

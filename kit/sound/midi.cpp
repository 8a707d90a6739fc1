#include "kit/sound/midi.h"

#include "kit/system/kit_system.h"
#include "platform/midi.h"
#include "platform/window.h"

int32_t midiOpen = 0;
int32_t midiLoop = 1;
int32_t midiEnded = 0;

// The sequencer reports a track's natural end from the audio thread; it
// reaches the window procedure as the notify message, like any other.
static void PostMidiNotify(uint32_t status) { plat::PostAppMessage(plat::kMsgMciNotify, status, 0); }

int32_t MidiInit() {
    plat::SetMidiNotifyCallback(PostMidiNotify);
    midiOpen = 0;
    midiEnded = 0;
    midiLoop = 1;
    return 1;
}

// No sequencer result is looked at: a missing track simply leaves the game
// without music.
int32_t MidiPlay(const char* name, int32_t loop) {
    std::string open = std::string("open \"") + kitSystem::ProgramDir(0) + (name ? name : "") +
                       "\" type sequencer alias midi";
    if (midiOpen) MidiStop();
    MciSendString(open.c_str());
    MciSendString("seek midi to start");
    MciSendString("play midi notify");
    midiOpen = 1;
    midiEnded = 0;
    midiLoop = loop;
    return 1;
}

void MidiRestart() {
    if (midiLoop) {
        MciSendString("seek midi to start");
        MciSendString("play midi notify");
    } else {
        MidiStop();
    }
    midiEnded = 1;
}

void MidiStop() {
    if (!midiOpen) return;
    MciSendString("stop midi");
    MciSendString("close midi");
    midiOpen = 0;
}

void MidiClose() {
    MciSendString("stop midi");
    MciSendString("close midi");
}

void MidiLoopOff() { midiLoop = 0; }

uint32_t MciSendString(const char* command, std::string* reply) {
    return plat::MciSendString(command ? command : "", reply);
}

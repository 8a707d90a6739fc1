#pragma once
// Stand-ins for parts of the library that land separately (sound, music,
// text, joystick, presentation). Start-up, shut-down and the window procedure
// call these names; the real parts replace this file.
#include <cstdint>

namespace kitSound {
int32_t Init();    // 1 when sound is available, else 0
void Release();    // stops and frees every sound buffer and the device
void ResetSlots(); // the start-up values of the 70 sound slots
} // namespace kitSound
void ErrorBeep(); // the error report's beep

// Music.
extern int32_t midiOpen;
int32_t MidiInit();
void MidiStop();
void MidiRestart();
namespace plat {
// Sends one command string to the music sequencer; the reply (if any) goes to
// `reply` (at most replySize bytes, zero-terminated). Returns 0 on success.
int32_t MciSendString(const char* command, char* reply, uint32_t replySize);
} // namespace plat

// Text.
void InitFontList();
void FreeFontState();

// Joystick.
void JoyInit();

// Presentation and screen transitions.
extern int32_t transitionCounter;
extern int32_t transitionStep;
extern int32_t pageOverlayOn;
extern int32_t pageImage, pageTileImage;
extern int32_t vsyncWait;
int32_t PresentFrame();

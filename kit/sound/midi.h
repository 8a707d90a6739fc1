#pragma once
// MIDI music through the sequencer's command strings: one track at a time
// under the alias "midi". A looping track is restarted by the window
// procedure when the sequencer reports that it played to its end:
//   on the notify message with status 1 and midiOpen set, send
//   "status midi mode"; when the answer begins with "st", call MidiRestart.
#include <cstdint>
#include <string>

extern int32_t midiOpen;  // 1 while the alias is open (even when the open failed)
extern int32_t midiLoop;  // 1 = restart the track when it ends
extern int32_t midiEnded; // 1 once a track reached its end

int32_t MidiInit();
// Opens "<program dir><name>", rewinds and plays it, asking for the end
// notification; stops and closes an open track first.
int32_t MidiPlay(const char* name, int32_t loop);
// The track stopped at its end: play it again from the start when looping,
// else stop and close it.
void MidiRestart();
// Stops and closes the open track; nothing when none is open.
void MidiStop();
// Stops and closes without looking at midiOpen.
void MidiClose();
void MidiLoopOff();

// Sends one sequencer command string; 0 on success. The reply (for
// "status midi mode") goes into `reply` when given.
uint32_t MciSendString(const char* command, std::string* reply = nullptr);

// The symmetric fill engine: fills the slots of an analysed stock grid word by word, stepping back.
//
// Calls in: RunSymmetricFills (one call per attempt); tests and the benchmark.
// Calls out: the random generator of the state (reseeded per attempt), the word index or the plain
// scans, and the caller's callbacks for the progress memo, the progress bar, repainting and the fill
// status. It never calls the window.
#pragma once

#include "core/state.h"
#include "core/symmetric/word_index.h"

#include <functional>
#include <string>
#include <vector>

namespace qm {

/// Iterations of one attempt unless the user asks for another number.
constexpr int DefaultMaxIterations = 5000;
/// Picks for a slot before the middle step-back (to its earliest dependency).
constexpr int MiddleStepBackTries = 10;
/// Picks for a slot before the deep step-back (from the first slot that reached it).
constexpr int DeepStepBackTries = 30;
/// The step log's file name, written into the working folder.
constexpr const char* StepLogFileName = "progress.log";

/// The attempt's options (the fill options page).
struct FillSettings {
    int MaxIterations = DefaultMaxIterations;  ///< at least 1
    bool ShowProgress = false;                 ///< progress bar, memo lines and repaint after every step
    bool KeepStepLog = false;                  ///< write progress.log
    std::string StepLogFolder = ".";           ///< where progress.log goes
};

/// What the engine reports while it works; every callback may be empty.
struct FillCallbacks {
    std::function<void(const std::string&)> AddMemoLine;  ///< a line for the progress memo
    std::function<void(int)> SetProgress;                 ///< the progress bar: the current slot
    std::function<void()> Repaint;                        ///< repaint the grid
    std::function<void(int words, int letters, int interlocks)> ShowFillStatus;  ///< after a complete fill
    std::function<void(const std::string&)> Diagnostic;   ///< the diagnostic boxes (pattern, candidates)
};

/// One fill attempt on the analysed grid in state.Xw (slots in filling order): returns the iterations
/// used when every slot was filled, else 0. Picks go through index when given (it must have been
/// built from the current stores), else through the plain scans. Refuses a MaxIterations below 1 or a
/// slot table whose dependencies point outside it, with a clear message, before changing anything.
int FillGrid(QuillmereState& state, int fillNo, const FillSettings& settings, const FillCallbacks& callbacks,
             WordIndex* index = nullptr);

/// The pattern of slot k: for each position the letter of the earlier slot that crosses it there, '?'
/// where none does (written into pattern, whose room is reused).
void SlotPattern(const Crossword& xw, int slot, std::string& pattern);

/// Where an attempt goes back to after slot k found no word (or found one only at the 30th pick): after
/// 30 picks, to the earliest dependency of the first slot that has had 30 (its own start for a slot
/// without dependencies), every slot from there on counting its picks afresh; after 10 picks, to its
/// own earliest dependency (itself without one), counting afresh; else to its latest dependency (itself
/// for a later slot without dependencies). 0 starts the attempt over from the first slot.
int StepBackTarget(Crossword& xw, int slot);

/// A random pick among the dictionary words of length L: the first selected word not in use that
/// matches the pattern, from a random place in First..Last (First 0: the whole length), wrapping.
/// Sets the word's InUse; returns its index, 0 when nothing fits.
std::int32_t PickDictWord(QuillmereState& state, std::string_view pattern, int length, std::int32_t first,
                          std::int32_t last, WordIndex* index);

/// A random pick among the imported words of length L not in use that match the pattern. Sets the
/// entry's Used; returns its position in ThemeIndex[L], -1 when nothing fits.
std::int32_t PickImportedWord(QuillmereState& state, std::string_view pattern, int length, WordIndex* index);

/// Letter i of the word into square (Col + i - 1, Row) across or (Col, Row + i - 1) down.
void WriteSlotWord(Grid& grid, int col, int row, int length, bool across, std::string_view word);
/// Blanks the squares of a slot.
void BlankSlot(Grid& grid, int col, int row, int length, bool across);
/// Blanks the squares of every slot.
void BlankAllSlots(Crossword& xw);
/// Clears the InUse flag of every dictionary word.
void ClearDictInUse(Dictionary& dict);

/// The engine's working fields of every slot, for the diagnostics window: the header
/// "WRef,Seq,Clue,Dir,(Col,Row),'RCTxt',NumLett,DepNum,SepSrcIsland,Pattern,WordTxt,StartRef,MaxRef,NumTries",
/// one line per slot, then 30 "-".
std::vector<std::string> MainWordArrayLines(const Crossword& xw);

/// The iterations between progress memo lines: 100 up to 1000 iterations, 500 up to 5000, else 1000.
int ProgressStepFor(int maxIterations);

}  // namespace qm

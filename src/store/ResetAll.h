#pragma once
// Restores every setting of the current preferences key as each one's own
// "Set default" does: the default stored explicitly, or the value deleted
// where the default is its absence.
namespace fk {

class PreferenceStore;

enum class ResetResult {
    Done,
    WriteFailed,    // the store has told the user; what came before stays
    KeyNotCreated,  // a font subkey could not be made; nobody told yet
};

// The all-users settings when `allUsers`, else an account's. Stops at the
// first failure.
ResetResult resetAllSettings(PreferenceStore& store, bool allUsers);

}  // namespace fk

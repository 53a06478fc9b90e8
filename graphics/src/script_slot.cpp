// The one script file slot, apart from the recorder and player, so that the
// drawing file's save can ask whether a name is the open recording without
// bringing in the rest of the package.
#include "package.h"
#include "script_file.h"

namespace zt::package {

FILE* scriptFile = nullptr;
bool scriptWriting = false;

int ZT738_is_recording_file(const char* name) {
  return scriptFile != nullptr && scriptWriting && ZT738_same_file(scriptFile, name) ? 1 : 0;
}

}  // namespace zt::package

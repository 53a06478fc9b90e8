// A library for the symbol check's test: four names that a program's own
// globals would collide with, beside names that the check must let pass.
int canvas = 1;                       // reported
bool logging = true;                  // reported
int recordEvent() { return canvas; }  // reported

struct Helper {
  static int run();
};
int Helper::run() { return 2; }  // reported

namespace zt::package {
int centreX = 3;  // the project's namespace
}

namespace {
int hidden = 4;  // internal linkage: not a global symbol at all
}
static int alsoHidden() { return hidden; }

// The public interface.
int ZT738_console_printf(const char*, ...) { return alsoHidden(); }

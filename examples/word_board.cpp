// Words on a board: click anywhere, type a word into the dialog that comes
// up, and the word is written where you clicked, in the next colour of the
// table; the text console reports each one. The keys 1 to 9 choose the size
// of the next word (10 to 90 pixels). The title is typed out one letter per
// animation tick, with a blinking cursor after it.
//
// With ZT738_EXAMPLE_FRAMES=N in the environment it quits by itself after N
// ticks, for a run that nobody watches (headless, in the test command).
#include <cstdlib>
#include <string>
#include <vector>

#include "zt738.h"

namespace {

const std::string kTitle = "Click anywhere to write a word";

struct Word {
  std::string text;
  int x;
  int y;
  int colour;
  int size;
};

void draw(Display& display, const std::vector<Word>& words, int ticks) {
  display.clear(COLOUR_WHITE);
  const size_t shown = static_cast<size_t>(ticks) < kTitle.size() ? ticks : kTitle.size();
  std::string title = kTitle.substr(0, shown);
  if (ticks / 5 % 2 == 0) title += '_';
  display.drawText(-290, 220, title.c_str(), COLOUR_NAVY_BLUE, 24);
  for (const Word& word : words) {
    display.drawText(word.x, word.y, word.text.c_str(), word.colour, word.size);
  }
}

// The next colour of the table for a word, leaving out white.
int nextColour(int colour) {
  colour = (colour + 1) % COLOUR_COUNT;
  return colour == COLOUR_WHITE ? nextColour(colour) : colour;
}

}  // namespace

int editorMain() {
  Display display;
  const char* limit = std::getenv("ZT738_EXAMPLE_FRAMES");
  const int tickLimit = limit != nullptr ? std::atoi(limit) : 0;
  std::vector<Word> words;
  int colour = COLOUR_RED;
  int size = 30;
  int ticks = 0;
  display.setAnimation(Run);
  draw(display, words, ticks);
  for (;;) {
    int x = 0;
    int y = 0;
    char key = 0;
    const EventKind kind = display.nextEvent(&x, &y, &key);
    if (kind == EventQuit) break;
    if (kind == EventPeriodic && ++ticks == tickLimit) display.setAnimation(Quit);
    if (kind == EventKey && key >= '1' && key <= '9') size = (key - '0') * 10;
    if (kind == EventMouse) {
      char answer[GETS_CAPACITY] = "";
      if (ZT738_gets("Type a word:", answer) == 1 && answer[0] != '\0') {
        words.push_back({answer, x, y, colour, size});
        ZT738_console_printf("\"%s\" at (%d,%d), size %d", answer, x, y, size);
        colour = nextColour(colour);
      }
    }
    draw(display, words, ticks);
  }
  return 0;
}

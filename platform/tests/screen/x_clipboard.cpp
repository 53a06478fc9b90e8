// The desktop's clipboard from another program, through SDL, for the screen
// driver's X tests:
//   x_clipboard get        prints the clipboard's text (UTF-8) and a newline
//   x_clipboard set TEXT   owns the clipboard with TEXT until it is killed
//                          (or 30 s pass), serving whoever pastes
#include <SDL.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  const bool get = argc == 2 && std::strcmp(argv[1], "get") == 0;
  const bool set = argc == 3 && std::strcmp(argv[1], "set") == 0;
  if (!get && !set) {
    std::fprintf(stderr, "usage: x_clipboard get | x_clipboard set TEXT\n");
    return 2;
  }
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "x_clipboard: %s\n", SDL_GetError());
    return 1;
  }
  if (get) {
    char* text = SDL_GetClipboardText();
    std::printf("%s\n", text ? text : "");
    SDL_free(text);
  } else {
    SDL_SetClipboardText(argv[2]);
    std::printf("set\n");
    std::fflush(stdout);
    SDL_Event e;
    for (Uint32 start = SDL_GetTicks(); SDL_GetTicks() - start < 30000;) {
      SDL_WaitEventTimeout(&e, 100);  // answers the requests for the selection
    }
  }
  SDL_Quit();
  return 0;
}

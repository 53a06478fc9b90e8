// The desktop's clipboard as another program sees it, through SDL:
//   x_clipboard get        prints the clipboard's text (UTF-8)
//   x_clipboard set TEXT   owns the clipboard with TEXT for 30 s, serving pastes
#include <SDL.h>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  const bool set = argc == 3 && std::strcmp(argv[1], "set") == 0;
  if (!set && (argc != 2 || std::strcmp(argv[1], "get") != 0)) return 2;
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  if (set) {
    SDL_SetClipboardText(argv[2]);
    std::printf("set\n");
    std::fflush(stdout);
    SDL_Event e;
    for (Uint32 start = SDL_GetTicks(); SDL_GetTicks() - start < 30000;) {
      SDL_WaitEventTimeout(&e, 100);  // answers the requests for the selection
    }
  } else {
    char* text = SDL_GetClipboardText();
    std::printf("%s\n", text ? text : "");
    SDL_free(text);
  }
  SDL_Quit();
  return 0;
}

# Warnings are errors everywhere; the sanitizer build adds ASan and UBSan.
add_compile_options(-Wall -Wextra -Werror)

if(ZT738_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # One self-contained executable: no MinGW runtime DLLs to ship.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# Settings shared by every target of both builds.
add_library(halvora_options INTERFACE)
target_include_directories(halvora_options INTERFACE ${PROJECT_SOURCE_DIR})
if(MSVC)
  target_compile_options(halvora_options INTERFACE /W4)
else()
  target_compile_options(halvora_options INTERFACE -Wall -Wextra -Wno-unused-parameter)
endif()

if(WIN32)
  # Ship without runtime DLLs: libgcc, libstdc++ and winpthread are linked in.
  target_link_options(halvora_options INTERFACE -static -static-libgcc -static-libstdc++)
  target_compile_definitions(halvora_options INTERFACE WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0400)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(HALVORA_STDCALL_DECORATED ON)
  endif()
elseif(HALVORA_SANITIZE)
  target_compile_options(halvora_options INTERFACE -fsanitize=${HALVORA_SANITIZE}
                         -fno-omit-frame-pointer -fno-sanitize-recover=all)
  target_link_options(halvora_options INTERFACE -fsanitize=${HALVORA_SANITIZE})
endif()

# Writes a module-definition file: each export undecorated, at a fixed ordinal. On 32-bit
# Windows the __stdcall symbol is name@bytes; the DLL exports the plain name (--kill-at).
function(halvora_write_def out library)
  set(text "LIBRARY ${library}\nEXPORTS\n")
  set(ordinal 1)
  foreach(entry IN LISTS ARGN)
    string(REPLACE ":" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 bytes)
    if(HALVORA_STDCALL_DECORATED)
      string(APPEND text "    ${name}@${bytes} @${ordinal}\n")
    else()
      string(APPEND text "    ${name} @${ordinal}\n")
    endif()
    math(EXPR ordinal "${ordinal} + 1")
  endforeach()
  file(WRITE ${out} "${text}")
endfunction()

# Gives a DLL its module-definition file. On 32-bit Windows the DLL exports the plain names while
# callers link the decorated __stdcall symbols, so the import library is made by dlltool with
# --kill-at, which keeps the decorated symbols and imports by the plain name.
function(halvora_dll_exports target def dllname)
  target_sources(${target} PRIVATE ${def})
  set_target_properties(${target} PROPERTIES PREFIX "")
  if(HALVORA_STDCALL_DECORATED)
    target_link_options(${target} PRIVATE -Wl,--kill-at)
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_DLLTOOL} --kill-at -d ${def} -D ${dllname} -l $<TARGET_LINKER_FILE:${target}>
      VERBATIM)
  endif()
endfunction()

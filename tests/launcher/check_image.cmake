# Checks the built launcher image: GUI subsystem, and imports from system DLLs only, with none
# of the calls that Windows 9x and NT 4 lack (a C++ runtime pulled in by accident brings them).
# usage: cmake -DOBJDUMP=<objdump> -DIMAGE=<vornset2.exe> -P check_image.cmake
cmake_minimum_required(VERSION 3.20)
execute_process(COMMAND ${OBJDUMP} -p ${IMAGE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read ${IMAGE}")
endif()
if(NOT dump MATCHES "Subsystem[ \t]+0*2[ \t]+\\(Windows GUI\\)")
  message(FATAL_ERROR "${IMAGE} is not a GUI-subsystem program")
endif()

set(system_dlls KERNEL32.dll SHELL32.dll msvcrt.dll)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
foreach(entry IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${entry}")
  if(NOT dll IN_LIST system_dlls)
    message(FATAL_ERROR "${IMAGE} imports ${dll}")
  endif()
endforeach()

foreach(call GetTickCount64 AddVectoredExceptionHandler GetModuleHandleExW)
  if(dump MATCHES "[ \t]${call}[\r\n]")
    message(FATAL_ERROR "${IMAGE} imports ${call}, which older Windows versions lack")
  endif()
endforeach()

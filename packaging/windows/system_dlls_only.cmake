# Run by CPack once the files are staged: lists the DLLs each program imports
# and fails when one of them is not part of every Windows from 7 on.
cmake_policy(VERSION 3.25)
set(system_dlls ADVAPI32.DLL COMCTL32.DLL COMDLG32.DLL DWMAPI.DLL GDI32.DLL GDIPLUS.DLL GLU32.DLL IMM32.DLL
    KERNEL32.DLL MSVCRT.DLL OLE32.DLL OLEAUT32.DLL OPENGL32.DLL SHELL32.DLL SHLWAPI.DLL USER32.DLL UXTHEME.DLL
    VERSION.DLL WINMM.DLL)
file(GLOB_RECURSE programs ${CPACK_TEMPORARY_DIRECTORY}/*.exe)
foreach(program IN LISTS programs)
  execute_process(COMMAND ${CPACK_ZEF_OBJDUMP} -p ${program} OUTPUT_VARIABLE headers COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
  list(TRANSFORM imports REPLACE "DLL Name: " "")
  cmake_path(GET program FILENAME name)
  message(STATUS "${name} imports ${imports}")
  foreach(dll IN LISTS imports)
    string(TOUPPER ${dll} dll)
    if(NOT dll IN_LIST system_dlls)
      message(FATAL_ERROR "${name} imports ${dll}, which not every Windows has")
    endif()
  endforeach()
endforeach()

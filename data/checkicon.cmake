# Reads a Windows icon back with ImageMagick's identify and fails unless it holds exactly one
# square image of each size in SIZES, in that order.
#   cmake -DIDENTIFY=<identify> -DICON=<file.ico> -DSIZES=16;32 -P checkicon.cmake
execute_process(
    COMMAND "${IDENTIFY}" -format "%wx%h;" "${ICON}"
    OUTPUT_VARIABLE found
    RESULT_VARIABLE result)
set(expected)
foreach(size IN LISTS SIZES)
    string(APPEND expected "${size}x${size};")
endforeach()
if(NOT result EQUAL 0 OR NOT found STREQUAL expected)
    message(FATAL_ERROR "${ICON} holds '${found}' instead of '${expected}'")
endif()

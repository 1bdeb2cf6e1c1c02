# Puts the program's own files beside the executable in the build tree, where they are found as
# they are under share/varnoquil in an installed tree.
#   cmake -DSOURCE=<resources folder> -DTARGET=<executable's folder> -P CopyProgramFiles.cmake
file(COPY "${SOURCE}/samples/" DESTINATION "${TARGET}/Samples")
if(EXISTS "${SOURCE}/help")
  file(COPY "${SOURCE}/help/" DESTINATION "${TARGET}")
endif()
if(EXISTS "${SOURCE}/Readme.txt")
  file(COPY "${SOURCE}/Readme.txt" DESTINATION "${TARGET}")
endif()

# Cross builds: the tests and the build steps that run a program of the
# build (the image painter, the descriptor generator) run it under the
# toolchain's emulator, through one script, emulated-bin/run-target. The
# tests also start the project's programs (ddu-sim, ddu-probe, ddu, the
# painter) from DDU_BIN_DIR; a program of the target architecture cannot be
# exec'd here without binfmt_misc, so in a cross build DDU_BIN_DIR is a
# folder of scripts of the same names that run each program through
# run-target. Sets DDU_TEST_BIN_DIR (the DDU_BIN_DIR of the tests).
# Also sets DDU_TEST_TIMEOUT_FACTOR, by which the tests' time limits grow:
# under emulation the window tests take several times as long (test_home
# about 250 s instead of 20).
set(DDU_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
set(DDU_TEST_TIMEOUT_FACTOR 1)
if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
  set(DDU_TEST_BIN_DIR ${CMAKE_BINARY_DIR}/emulated-bin)
  set(DDU_TEST_TIMEOUT_FACTOR 4)
  set(_emulated ${CMAKE_BINARY_DIR}/emulated-bin)

  # Lets QProcess start children under qemu-user (see the source).
  add_library(ddu_forkfd_shim SHARED ${CMAKE_SOURCE_DIR}/tests/emulation/forkfd_shim.c)
  target_link_libraries(ddu_forkfd_shim PRIVATE dl)
  set_target_properties(ddu_forkfd_shim PROPERTIES AUTOMOC OFF)
  set(_shim ${CMAKE_LIBRARY_OUTPUT_DIRECTORY}/libddu_forkfd_shim.so)

  list(JOIN CMAKE_CROSSCOMPILING_EMULATOR " " _emulator)
  set(_perm PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  # qemu-user hands its own environment to the program; QEMU_SET_ENV adds
  # the preload for the emulated program only (and stays in the environment
  # for the ARM programs it starts in turn).
  file(WRITE ${_emulated}/run-target
       "#!/bin/sh\n"
       "if [ -f '${_shim}' ]; then QEMU_SET_ENV=LD_PRELOAD=${_shim}; export QEMU_SET_ENV; fi\n"
       "exec ${_emulator} \"$@\"\n")
  file(CHMOD ${_emulated}/run-target ${_perm})
  foreach(program ddu ddu-sim ddu-probe ddu-paint-images)
    file(WRITE ${_emulated}/${program}
         "#!/bin/sh\nexec '${_emulated}/run-target' '${CMAKE_BINARY_DIR}/bin/${program}' \"$@\"\n")
    file(CHMOD ${_emulated}/${program} ${_perm})
  endforeach()
  set(CMAKE_CROSSCOMPILING_EMULATOR ${_emulated}/run-target)
endif()

# The probe for fast buses: its firmware for the Raspberry Pi Pico, built by the Pico SDK's
# own CMake project (firmware/pico) with Debian's gcc-arm-none-eabi and newlib, and its tests
# on rp2040js under Node. Without the toolchain the build says so and goes on without it.
find_program(WIRELARK_ARM_GCC arm-none-eabi-gcc)
if(NOT WIRELARK_ARM_GCC OR NOT EXISTS /usr/lib/arm-none-eabi/include/stdio.h)
  message(STATUS "The Pico probe's firmware is not built: gcc-arm-none-eabi and libnewlib-arm-none-eabi are not installed")
  return()
endif()

include(ExternalProject)
set(pico_build ${CMAKE_CURRENT_BINARY_DIR}/pico)
set(pico_uf2 ${pico_build}/wirelark-probe-pico.uf2)
set(pico_elf ${pico_build}/wirelark-probe-pico.elf)
ExternalProject_Add(wirelark-probe-pico
  SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/pico
  BINARY_DIR ${pico_build}
  CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DWIRELARK_WERROR=${WIRELARK_WERROR}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${pico_uf2} ${pico_elf})
set(WIRELARK_PICO_UF2 ${pico_uf2} PARENT_SCOPE)
set(WIRELARK_PICO_ELF ${pico_elf} PARENT_SCOPE)
set(WIRELARK_HAVE_PICO_FIRMWARE ON PARENT_SCOPE)

# Flashed by copying onto the board's drive: beside the Nano's .hex, in the same package.
install(FILES ${pico_uf2} DESTINATION ${CMAKE_INSTALL_DATADIR}/wirelark COMPONENT firmware)
install(FILES ${PROJECT_SOURCE_DIR}/data/firmware-copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/wirelark-probe-firmware
        RENAME copyright COMPONENT firmware)

# The emulator harness runs from the build folder, beside the rp2040js the tests install
# there (npm ci, pinned by package-lock.json), with the boot ROM image it loads.
find_program(WIRELARK_NODE node)
find_program(WIRELARK_NPM npm)
if(NOT WIRELARK_NODE OR NOT WIRELARK_NPM)
  message(STATUS "The Pico probe's emulator tests are not run: nodejs and npm are not installed")
  return()
endif()
set(pico_emulator ${CMAKE_CURRENT_BINARY_DIR}/pico-emulator)
foreach(file package.json package-lock.json pico_board.mjs i2c_bus.mjs traffic.mjs serve.mjs bench_pico.mjs
             test_pico_text.mjs test_pico_load.mjs)
  configure_file(${CMAKE_CURRENT_SOURCE_DIR}/pico/emulator/${file} ${pico_emulator}/${file} COPYONLY)
endforeach()
configure_file(${PROJECT_SOURCE_DIR}/third_party/pico-bootrom/bootrom-b1.bin ${pico_emulator}/bootrom-b1.bin COPYONLY)
set(WIRELARK_PICO_EMULATOR ${pico_emulator} PARENT_SCOPE)
set(WIRELARK_NODE ${WIRELARK_NODE} PARENT_SCOPE)
set(WIRELARK_NPM ${WIRELARK_NPM} PARENT_SCOPE)

# The emulated board on a pseudo-terminal, as a Pico on a USB port: for scripts/start.sh
# --firmware pico and the end-to-end test. Not installed: it needs Node and rp2040js.
if(WIRELARK_HAVE_PTY)
  add_executable(wirelark-probe-pico-emu pico/emulator/main.cpp)
  target_link_libraries(wirelark-probe-pico-emu PRIVATE wirelark_probe)
  target_compile_definitions(wirelark-probe-pico-emu PRIVATE
    WIRELARK_PICO_UF2="${pico_uf2}" WIRELARK_PICO_EMULATOR="${pico_emulator}" WIRELARK_NODE="${WIRELARK_NODE}")
  add_dependencies(wirelark-probe-pico-emu wirelark-probe-pico)
  wirelark_warnings(wirelark-probe-pico-emu)
endif()

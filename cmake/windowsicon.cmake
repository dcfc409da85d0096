# SPDX-License-Identifier: MIT
# Run with cmake -P -DSVG=... -DOUTPUT=...: renders the SVG at the sizes Windows shows icons at
# (100% to 250% scaling) with rsvg-convert, and packs them into one .ico with icotool, the largest
# stored as PNG.
set(SIZES 16 20 24 32 40 48 64 256)
get_filename_component(folder ${OUTPUT} DIRECTORY)
set(small "")
foreach(size IN LISTS SIZES)
    set(png ${folder}/icon-${size}.png)
    execute_process(COMMAND rsvg-convert -w ${size} -h ${size} -o ${png} ${SVG}
        COMMAND_ERROR_IS_FATAL ANY)
    if(size LESS 256)
        list(APPEND small ${png})
    else()
        set(large ${png})
    endif()
endforeach()
execute_process(COMMAND icotool -c -o ${OUTPUT} ${small} -r ${large} COMMAND_ERROR_IS_FATAL ANY)

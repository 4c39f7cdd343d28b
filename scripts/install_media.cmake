# Puts the shipped media set beside the program: Media/ from media/Media, and the readme
# files. The files the game writes while playing (player file, records, replays, maps saved
# by the editor) are copied only when missing, so a rebuild never overwrites a player's saves;
# every other file (settings, pictures, sounds, texts) is refreshed when the shipped one
# changed.
if(NOT EXISTS "${SRC}")
  return()
endif()
file(GLOB_RECURSE files RELATIVE "${SRC}" "${SRC}/*")
foreach(f IN LISTS files)
  if(f MATCHES "(^|/)\\.")
    continue()
  endif()
  get_filename_component(dir "${DST}/${f}" DIRECTORY)
  file(MAKE_DIRECTORY "${dir}")
  if(f MATCHES "Zolv-gioc\\.|-punti\\.|-memo\\.|-mappe\\.")
    if(NOT EXISTS "${DST}/${f}")
      file(COPY_FILE "${SRC}/${f}" "${DST}/${f}")
    endif()
  else()
    file(COPY_FILE "${SRC}/${f}" "${DST}/${f}" ONLY_IF_DIFFERENT)
  endif()
endforeach()

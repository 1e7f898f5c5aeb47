# Files the player's tests play, made by ffmpeg at build time in build/win/videa: 320 × 240, 10 fps,
# 4 s; a colour per half second with a white 16 × 16 mark top-left (its orientation shows in a saved
# frame); raw BGR24 and MJPEG with PCM sound, and sound only. ffmpeg's own frame at 1.2 s is the
# oracle of a saved frame.
find_program(TERVIK_FFMPEG ffmpeg REQUIRED)
set(TERVIK_VIDEA ${CMAKE_BINARY_DIR}/videa)
set(_obraz "nullsrc=s=320x240:r=10:d=4,format=rgb24,geq=r='if(lt(X,16)*lt(Y,16),255,mod(floor(T*2)*97+20,256))':g='if(lt(X,16)*lt(Y,16),255,mod(floor(T*2)*53+40,256))':b='if(lt(X,16)*lt(Y,16),255,mod(floor(T*2)*31+90,256))'")
set(_zvuk "sine=frequency=440:duration=4:sample_rate=22050")
set(_ff ${TERVIK_FFMPEG} -hide_banner -loglevel error -y)
add_custom_command(
  OUTPUT ${TERVIK_VIDEA}/barvy.avi ${TERVIK_VIDEA}/mjpeg.avi ${TERVIK_VIDEA}/zvuk.avi ${TERVIK_VIDEA}/barvy_1200ms.bmp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TERVIK_VIDEA}
  COMMAND ${_ff} -f lavfi -i ${_obraz} -f lavfi -i ${_zvuk} -c:v rawvideo -pix_fmt bgr24 -c:a pcm_s16le ${TERVIK_VIDEA}/barvy.avi
  COMMAND ${_ff} -f lavfi -i ${_obraz} -f lavfi -i ${_zvuk} -c:v mjpeg -q:v 2 -pix_fmt yuvj420p -c:a pcm_s16le ${TERVIK_VIDEA}/mjpeg.avi
  COMMAND ${_ff} -f lavfi -i ${_zvuk} -c:a pcm_s16le ${TERVIK_VIDEA}/zvuk.avi
  COMMAND ${_ff} -ss 1.2 -i ${TERVIK_VIDEA}/barvy.avi -frames:v 1 -pix_fmt bgr24 ${TERVIK_VIDEA}/barvy_1200ms.bmp
  DEPENDS ${CMAKE_CURRENT_LIST_FILE}
  VERBATIM)
add_custom_target(testovaci_videa DEPENDS ${TERVIK_VIDEA}/barvy.avi)
if(TARGET tervik_testy_win)
  add_dependencies(tervik_testy_win testovaci_videa)
endif()

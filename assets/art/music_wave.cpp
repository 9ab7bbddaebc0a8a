// The music's WAVE file as the generator wrote it, included byte for byte by the assembler: the
// player reads its samples where they lie, without a copy or a decoder.
#ifndef LLK_MUSIC_WAVE
#error "LLK_MUSIC_WAVE must name the music's WAVE file"
#endif

asm(".section .rodata\n"
    ".global llk_music_wave\n"
    ".type llk_music_wave, @object\n"
    ".balign 16\n"
    "llk_music_wave:\n"
    ".incbin \"" LLK_MUSIC_WAVE "\"\n"
    ".global llk_music_wave_end\n"
    "llk_music_wave_end:\n"
    ".size llk_music_wave, . - llk_music_wave\n"
    ".previous\n");

// The tile atlases as rcc packed them, included byte for byte by the assembler.
#ifndef LLK_TILE_ATLASES
#error "LLK_TILE_ATLASES must name the packed atlas file"
#endif

asm(".section .rodata\n"
    ".global llk_tile_atlases\n"
    ".type llk_tile_atlases, @object\n"
    ".balign 16\n"
    "llk_tile_atlases:\n"
    ".incbin \"" LLK_TILE_ATLASES "\"\n"
    ".size llk_tile_atlases, . - llk_tile_atlases\n"
    ".previous\n");

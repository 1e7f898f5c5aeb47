#pragma once

// Made by resources/vytvorit-obrazky.py --hlavicka from resources/ikony.tsv (the build checks that they agree):
// the images of the program's strips.
namespace Obrazky {

inline constexpr int kKonec = 0;  // actions/system-log-out
inline constexpr int kPredvolby = 1;  // categories/preferences-system
inline constexpr int kPridatKameru = 2;  // devices/camera-video+actions/list-add
inline constexpr int kOdebratKameru = 3;  // devices/camera-video+actions/list-remove
inline constexpr int kNastroje = 4;  // categories/applications-accessories
inline constexpr int kOAplikaci = 5;  // status/dialog-information
inline constexpr int kPrizpusobit = 6;  // actions/view-fullscreen
inline constexpr int kKameraBezi = 7;  // actions/media-playback-start
inline constexpr int kZaznam = 8;  // actions/media-record
inline constexpr int kVideo = 9;  // mimetypes/video-x-generic
inline constexpr int kZapnoutKameru = 10;  // devices/camera-video+actions/system-shutdown
inline constexpr int kSnimekFtp = 11;  // places/gnome-fs-ftp
inline constexpr int kKamera = 12;  // devices/camera-video
inline constexpr int kPlanovane = 13;  // mimetypes/x-office-calendar
inline constexpr int kZmensit = 14;  // actions/system-search+actions/list-remove
inline constexpr int kZvetsit = 15;  // actions/system-search+actions/list-add
inline constexpr int kSnimekDisk = 16;  // devices/camera-photo
inline constexpr int kSnimekEmail = 17;  // apps/internet-mail
inline constexpr int kSlozkaSnimku = 18;  // places/folder+emblems/emblem-photos
inline constexpr int kServerHttp = 19;  // places/network-server
inline constexpr int kDetekcePohybu = 20;  // devices/camera-video+actions/system-search
inline constexpr int kZaznamBlik = 21;  // actions/media-record*0.35
inline constexpr int kOblastBezi = 22;  // devices/camera-video+actions/media-playback-start
inline constexpr int kOblastPohyb = 23;  // devices/camera-video+status/dialog-warning
inline constexpr int kOblastChyba = 24;  // devices/camera-video+status/dialog-error
inline constexpr int kOtevrit = 25;  // actions/document-open
inline constexpr int kUlozit = 26;  // actions/document-save
inline constexpr int kOtocitVlevo = 27;  // actions/edit-undo
inline constexpr int kOtocitVpravo = 28;  // actions/edit-redo
inline constexpr int kKameraOblibena = 29;  // devices/camera-video+emblems/emblem-favorite
inline constexpr int kKameraDulezita = 30;  // devices/camera-video+emblems/emblem-important
inline constexpr int kKameraSystem = 31;  // devices/camera-video+emblems/emblem-system
inline constexpr int kKameraZamcena = 32;  // devices/camera-video+actions/system-lock-screen
inline constexpr int kKameraDomov = 33;  // devices/camera-video+places/user-home
inline constexpr int kKameraPlocha = 34;  // devices/camera-video+places/user-desktop
inline constexpr int kKameraDen = 35;  // devices/camera-video+status/weather-clear
inline constexpr int kKameraNoc = 36;  // devices/camera-video+status/weather-clear-night
inline constexpr int kKameraSnih = 37;  // devices/camera-video+status/weather-snow
inline constexpr int kKameraBourka = 38;  // devices/camera-video+status/weather-storm
inline constexpr int kKameraDest = 39;  // devices/camera-video+status/weather-showers
inline constexpr int kKameraOblacno = 40;  // devices/camera-video+status/weather-few-clouds
inline constexpr int kKameraWifi = 41;  // devices/camera-video+devices/network-wireless
inline constexpr int kKameraPocitac = 42;  // devices/camera-video+devices/computer
inline constexpr int kKameraOdkaz = 43;  // devices/camera-video+emblems/emblem-symbolic-link
inline constexpr int kKameraZvuk = 44;  // devices/camera-video+status/audio-volume-high
inline constexpr int kKameraJenCteni = 45;  // devices/camera-video+emblems/emblem-readonly
inline constexpr int kKameraServer = 46;  // devices/camera-video+places/network-server
inline constexpr int kFotoOblibena = 47;  // devices/camera-photo+emblems/emblem-favorite
inline constexpr int kFotoDulezita = 48;  // devices/camera-photo+emblems/emblem-important
inline constexpr int kFotoSystem = 49;  // devices/camera-photo+emblems/emblem-system
inline constexpr int kFotoZamcena = 50;  // devices/camera-photo+actions/system-lock-screen
inline constexpr int kFotoDomov = 51;  // devices/camera-photo+places/user-home
inline constexpr int kFotoPlocha = 52;  // devices/camera-photo+places/user-desktop
inline constexpr int kFotoDen = 53;  // devices/camera-photo+status/weather-clear
inline constexpr int kFotoNoc = 54;  // devices/camera-photo+status/weather-clear-night
inline constexpr int kFotoSnih = 55;  // devices/camera-photo+status/weather-snow
inline constexpr int kFotoBourka = 56;  // devices/camera-photo+status/weather-storm
inline constexpr int kFotoDest = 57;  // devices/camera-photo+status/weather-showers
inline constexpr int kFotoOblacno = 58;  // devices/camera-photo+status/weather-few-clouds
inline constexpr int kFotoWifi = 59;  // devices/camera-photo+devices/network-wireless
inline constexpr int kFotoPocitac = 60;  // devices/camera-photo+devices/computer
inline constexpr int kFotoOdkaz = 61;  // devices/camera-photo+emblems/emblem-symbolic-link
inline constexpr int kFotoZvuk = 62;  // devices/camera-photo+status/audio-volume-high
inline constexpr int kFotoJenCteni = 63;  // devices/camera-photo+emblems/emblem-readonly

inline constexpr int kPocet = 64;

// The picture beside a command in toolbars, thumbnail buttons and menus; -1 for none.
constexpr int ObrazekPrikazu(unsigned prikaz) {
    switch (prikaz) {
    case 40001: case 40024: return kKonec;
    case 40002: case 40030: return kPredvolby;
    case 40012: return kPridatKameru;
    case 40013: return kOdebratKameru;
    case 40103: return kNastroje;
    case 40006: return kOAplikaci;
    case 40097: case 40025: return kPrizpusobit;
    case 40059: case 40055: case 40120: return kZaznam;
    case 40022: case 40086: case 40114: return kVideo;
    case 40011: case 40020: return kZapnoutKameru;
    case 40051: case 40052: case 40119: case 40065: case 40115: return kSnimekFtp;
    case 40125: return kPlanovane;
    case 40951: return kZmensit;
    case 40950: return kZvetsit;
    case 40049: case 40046: case 40117: return kSnimekDisk;
    case 40054: case 40053: case 40118: case 40010: return kSnimekEmail;
    case 40047: return kSlozkaSnimku;
    case 40042: return kServerHttp;
    case 40043: return kDetekcePohybu;
    case 40094: return kOtevrit;
    case 40098: return kUlozit;
    case 40107: return kOtocitVlevo;
    case 40106: return kOtocitVpravo;
    default: return -1;
    }
}

}  // namespace Obrazky

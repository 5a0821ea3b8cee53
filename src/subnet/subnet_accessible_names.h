#pragma once

// What assistive technology hears for each control of the subnet panel, and which
// caption labels which control. The buttons' names spell out what "<" and ">" stand for.

#include "core/accessible_texts.h"

inline constexpr AccessibleText kSubnetAccessibleNames[] = {
    {.control = "sub_address", .name = "Host address", .caption = "sub_Label1", .octets = 4},
    {.control = "sub_class", .name = "Address class"},
    {.control = "Frame1", .name = "Mask and counts"},
    {.control = "scr_mask_bits",
     .name = "Mask length",
     .description = "Number of leading one bits of the subnet mask, 1 to 32"},
    {.control = "lbl_mask_bits", .name = "Mask bits", .caption = "Label1"},
    {.control = "lbl_subnet_mask", .name = "Subnet mask"},
    {.control = "lbl_sub2", .name = "Status"},
    {.control = "lbl_info_0", .name = "Subnet bits", .caption = "Label2_0"},
    {.control = "lbl_info_3", .name = "Host bits", .caption = "Label2_1"},
    {.control = "lbl_info_1", .name = "Maximum subnets", .caption = "Label2_2"},
    {.control = "lbl_info_2", .name = "Maximum hosts", .caption = "Label2_3"},
    {.control = "Frame2", .name = "Current subnet"},
    {.control = "lbl_bonus", .name = "Current network", .caption = "Label9_0"},
    {.control = "lbl_bonus2", .name = "Subnet mask of the current network", .caption = "Label9_1"},
    {.control = "txt_hosts", .name = "Current host range", .caption = "Label4"},
    {.control = "sub_mask_frame", .name = "Binary worksheet"},
    {.control = "sub_host_bin", .name = "Host in binary", .caption = "sub_label2_0", .octets = 4},
    {.control = "sub_mask_bin", .name = "Mask in binary", .caption = "sub_label2_1", .octets = 4},
    {.control = "txt_act_subnet", .name = "Network in binary", .caption = "Label3_0", .octets = 4},
    {.control = "lbl_the_subnet", .name = "Network address", .caption = "Label3_1"},
    {.control = "btnPrevSubnet",
     .name = "Previous subnet",
     .description = "Steps the host address back to the previous subnet"},
    {.control = "btnNextSubnet",
     .name = "Next subnet",
     .description = "Steps the host address on to the next subnet"},
    {.control = "txt_broad_bin", .name = "Broadcast in binary", .caption = "Label3_2", .octets = 4},
    {.control = "lbl_the_broad", .name = "Broadcast address", .caption = "Label3_3"},
    {.control = "btnNextTwentySubnets",
     .name = "Send Next 20 Subnets to Notepad",
     .description = "Writes this subnet and the next nineteen to a text file and opens it"},
    {.control = "chk_31bit",
     .name = "31-bit mask as per RFC 3021",
     .description = "Counts two hosts in a subnet with a 31-bit mask"},
};
